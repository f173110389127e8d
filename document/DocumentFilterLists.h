// The speaker document's filter lists: one typed list per filter kind and a second
// peaking list for the filters a calculation places. The document owns the filter
// objects in them and deletes them when it is destroyed.
//
// The typed lists come with the filter model; until it is linked in, this holder keeps
// the document's seam to them: the document asks it only to delete every filter (in
// the order "EQ-", "TS-", "BS-", "HPB-", "HPLR-", "LPB-", "LPLR-", "NT-", "C1HP-",
// "C1LP-", calculated "EQ-", "B1HP-", "B1LP-", "LOPT-", "HIPT-", "VQLP-", "VQHP-",
// "ALPS-") and whether any list holds one.
#pragma once

class CDocumentFilterLists
{
public:
    // Deletes every filter of every list and empties the lists.
    void DeleteAllFilters() {}
    bool IsEmpty() const { return true; }
};
