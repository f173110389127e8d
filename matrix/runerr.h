// Failures reported by the math run-time or caused by a caller's data: mwRuntimeError and
// the subclasses that differ from it only in their class (so that handlers can tell them
// apart). mwBadAlloc and mwChainError have headers of their own.
#pragma once

#include "matrix/mwexcept.h"

class mwRuntimeError : public mwThrowable<mwRuntimeError, mwException>
{
public:
    using mwThrowable::mwThrowable;

    const char* Kind() const override; // "RuntimeError"
};

// A value outside the range of an operation (a complex result of a real logarithm).
class mwRangeError : public mwThrowable<mwRangeError, mwRuntimeError>
{
public:
    using mwThrowable::mwThrowable;
};

// An argument outside the domain of an operation (an index out of range, a null handler).
class mwDomainError : public mwThrowable<mwDomainError, mwRuntimeError>
{
public:
    using mwThrowable::mwThrowable;
};

class mwOverflowError : public mwThrowable<mwOverflowError, mwRuntimeError>
{
public:
    using mwThrowable::mwThrowable;
};

class mwIllegalOperation : public mwThrowable<mwIllegalOperation, mwRuntimeError>
{
public:
    using mwThrowable::mwThrowable;
};

// Use of a variable that was never defined.
class mwUndefVar : public mwThrowable<mwUndefVar, mwRuntimeError>
{
public:
    using mwThrowable::mwThrowable;
};
