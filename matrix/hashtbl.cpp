#include "matrix/hashtbl.h"

#include "matrix/libinit.h"
#include "matrix/logicerr.h"
#include "matrix/runerr.h"
#include "runtime/memory.h"

#include <cstring>
#include <memory>

namespace
{
mwLibraryInit g_init;

bool sameKey(const char* a, const char* b)
{
    return a && b && std::strcmp(a, b) == 0;
}

char* copyOf(const char* key)
{
    const std::size_t n = std::strlen(key) + 1;
    auto* copy = static_cast<char*>(mclMalloc(n));
    std::memcpy(copy, key, n);
    return copy;
}

// A zero-filled entry array, or null when the allocator has nothing.
template <class Entry> Entry* newEntries(int size)
{
    const std::size_t bytes = sizeof(Entry) * static_cast<std::size_t>(size);
    auto* block = static_cast<Entry*>(mclTryMalloc(bytes));
    if (block)
        std::memset(static_cast<void*>(block), 0, bytes);
    return block;
}

std::unique_ptr<mwNamedMatrixTable>& theTable()
{
    static std::unique_ptr<mwNamedMatrixTable> table = std::make_unique<mwNamedMatrixTable>();
    return table;
}

// The table exists from start-up on, after the unit's mwLibraryInit.
const bool g_tableMade = theTable() != nullptr;
} // namespace

mwNamedMatrixTable::mwNamedMatrixTable()
    : m_entries(newEntries<Entry>(kInitialSize)), m_size(kInitialSize)
{
    if (!m_entries)
        throw mwLogicError("Hash table allocation failed.", 141, "hashtbl");
}

mwNamedMatrixTable::~mwNamedMatrixTable()
{
    for (int i = 0; i < m_size; ++i)
    {
        delete m_entries[i].value;
        mxFree(m_entries[i].key);
    }
    mxFree(m_entries);
}

int mwNamedMatrixTable::Hash(const char* key, int size)
{
    if (!key || size <= 0)
        return 0;
    long sum = 0;
    for (const char* p = key; *p; ++p)
        sum += static_cast<signed char>(*p);
    return static_cast<int>(((sum % size) + size) % size);
}

int mwNamedMatrixTable::Find(const char* key) const
{
    if (!key)
        return -1;
    const int home = Hash(key, m_size);
    for (int k = 0; k < m_size; ++k)
    {
        const int slot = (home + k) % m_size;
        if (!m_entries[slot].key)
            return -1;
        if (sameKey(m_entries[slot].key, key))
            return slot;
    }
    return -1;
}

int mwNamedMatrixTable::FreeSlot(const char* key) const
{
    const int home = Hash(key, m_size);
    for (int k = 0; k < m_size; ++k)
    {
        const int slot = (home + k) % m_size;
        if (!m_entries[slot].key || sameKey(m_entries[slot].key, key))
            return slot;
    }
    return -1;
}

int mwNamedMatrixTable::Count() const
{
    int n = 0;
    for (int i = 0; i < m_size; ++i)
        n += m_entries[i].key ? 1 : 0;
    return n;
}

mwMatrix* mwNamedMatrixTable::Lookup(const char* key) const
{
    const int slot = Find(key);
    return slot < 0 ? nullptr : m_entries[slot].value;
}

void mwNamedMatrixTable::Insert(const char* key, mwMatrix* value)
{
    std::unique_ptr<mwMatrix> held(value);
    int slot = FreeSlot(key);
    if (slot < 0)
    {
        Grow();
        slot = FreeSlot(key);
        if (slot < 0)
            throw mwLogicError("Just grew hash table, but no space for new key.", 116, "hashtbl");
    }
    Entry& entry = m_entries[slot];
    if (!entry.key)
        entry.key = copyOf(key);
    entry.value = held.release();
}

void mwNamedMatrixTable::Grow()
{
    const int size = 2 * m_size + 1;
    Entry* entries = newEntries<Entry>(size);
    if (!entries)
        throw mwLogicError("Hash table allocation failed.", 141, "hashtbl");
    Entry* old = m_entries;
    const int oldSize = m_size;
    m_entries = entries;
    m_size = size;
    // Entries move with their key copies; nothing is destroyed.
    for (int i = 0; i < oldSize; ++i)
        if (old[i].key)
            m_entries[FreeSlot(old[i].key)] = old[i];
    mxFree(old);
}

mwMatrix* mwNamedMatrixTable::Remove(const char* key)
{
    const int slot = Find(key);
    if (slot < 0)
        throw mwDomainError("Attempt to remove a key that doesn't exist.", 99, "hashtbl");
    mwMatrix* value = m_entries[slot].value;
    mxFree(m_entries[slot].key);
    m_entries[slot] = Entry{nullptr, nullptr};
    // Re-places the rest of the probe run so that every other key stays reachable.
    for (int k = 1; k < m_size; ++k)
    {
        const int next = (slot + k) % m_size;
        if (!m_entries[next].key)
            break;
        const Entry moving = m_entries[next];
        m_entries[next] = Entry{nullptr, nullptr};
        m_entries[FreeSlot(moving.key)] = moving;
    }
    return value;
}

mwNamedMatrixTable* mwGetNamedMatrixTable()
{
    return theTable().get();
}

mwMatrix mwGetNamedMatrix(const char* name)
{
    const mwMatrix* stored = theTable()->Lookup(name);
    return stored ? *stored : mwMatrix(nullptr, 1);
}

void mwSetNamedMatrix(const char* name, const mwMatrix& matrix)
{
    if (!name)
        throw mwDomainError("A named matrix needs a name.", 0, "hashtbl");
    mwClearNamedMatrix(name);
    theTable()->Insert(name, new mwMatrix(matrix));
}

void mwClearNamedMatrix(const char* name)
{
    if (theTable()->Lookup(name))
        delete theTable()->Remove(name);
}

void mwResetNamedMatrices()
{
    theTable() = std::make_unique<mwNamedMatrixTable>();
}
