// Misuse inside the matrix layer: mwLogicError and mwSubclassResponsibility.
#pragma once

#include "matrix/mwexcept.h"

class mwLogicError : public mwThrowable<mwLogicError, mwException>
{
public:
    using mwThrowable::mwThrowable;

    const char* Advice() const override; // "Please report this error to the run-time's vendor."
    const char* Kind() const override;   // "LogicError"
};

// The message is the name of a function a subclass must implement; Message() returns it
// behind "Subclass must implement this function: " in one static buffer (overwritten by the
// next call) with room for 21 characters of the name; longer names are cut.
class mwSubclassResponsibility : public mwThrowable<mwSubclassResponsibility, mwLogicError>
{
public:
    using mwThrowable::mwThrowable;

    const char* Message() const override;
};
