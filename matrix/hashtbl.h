// mwNamedMatrixTable: the process-wide table of matrices stored under names.
//
// Open addressing with linear probing over a table of 101 slots at the start, grown to
// 2n+1 slots when no slot is left. Keys are compared by their text and the table keeps its
// own copy of each key; every entry owns a heap handle on its matrix.
#pragma once

#include "matrix/dblmtrx.h"

class mwNamedMatrixTable
{
public:
    static constexpr int kInitialSize = 101;

    mwNamedMatrixTable();
    ~mwNamedMatrixTable(); // destroys every stored matrix
    mwNamedMatrixTable(const mwNamedMatrixTable&) = delete;
    mwNamedMatrixTable& operator=(const mwNamedMatrixTable&) = delete;

    // The stored handle, or null.
    mwMatrix* Lookup(const char* key) const;
    // Stores value (the table takes the heap handle) under a copy of key; an entry with the
    // same key is overwritten without destroying its value. Grows when no slot is free.
    void Insert(const char* key, mwMatrix* value);
    // Takes the entry out and hands its value back (the caller destroys it); an absent key
    // throws mwDomainError "Attempt to remove a key that doesn't exist.".
    mwMatrix* Remove(const char* key);

    int Size() const { return m_size; }
    int Count() const;

    // The slot a key hashes to: the byte sum (signed bytes) modulo the size, never negative.
    static int Hash(const char* key, int size);

private:
    struct Entry
    {
        mwMatrix* value;
        char* key;
    };

    int Find(const char* key) const;     // the slot holding key, or -1
    int FreeSlot(const char* key) const; // the slot for key, or -1 when the table is full
    void Grow();

    Entry* m_entries;
    int m_size;
};

// The operations on the one process-wide table.
mwMatrix mwGetNamedMatrix(const char* name); // absent: the empty matrix of class -1
void mwSetNamedMatrix(const char* name, const mwMatrix& matrix);
void mwClearNamedMatrix(const char* name);
void mwResetNamedMatrices();
mwNamedMatrixTable* mwGetNamedMatrixTable(); // the table itself (tests look at its size)
