// The first page of the master point editor, "Desired Response Pts.": the grid in which
// the user types the desired response's master points, the tolerance offsets in dB and
// the buttons "Offset Upper Pts", "Offset Lower Pts.", "Clear" and "Close".
//
// The offsets show the document's upper and lower tolerance. What the user types into
// them goes into the document when the page is left, when the editor's edits are taken
// (before a save or the building of curves) and through the offset buttons, bounded as the
// settings sheet bounds the tolerances; a refused offset keeps the page current. Offsets the
// user did not change here are never written back, so a change made in the settings
// meanwhile stands.
#pragma once

#include "shell/masterpoints/MasterPointPage.h"

#include <string>

class CMorvaneDoc;
class QLineEdit;

class CDesiredResponseMasterPts : public CMasterPointPage
{
public:
    explicit CDesiredResponseMasterPts(CEditMasterPoints& sheet);

    bool OnSetActive() override;
    bool OnKillActive() override;

    // The offsets (dB) the tolerance grids are filled with: as typed here, or else the
    // document's.
    double UpperOffset() const;
    double LowerOffset() const;
    // The offsets typed here into the document; false, after the settings sheet's message,
    // for a text that is no number or an offset outside the bounds the settings sheet gives
    // it (ToleranceRange): the box keeps the typing, selected for correcting, and the
    // document its tolerance.
    bool TakeTypedOffsets();

    // The buttons.
    void OnOffsetUpperPts();
    void OnOffsetLowerPts();
    void OnClear();

    QLineEdit* UpperOffsetEdit() const { return m_pUpperOffset; }
    QLineEdit* LowerOffsetEdit() const { return m_pLowerOffset; }

private:
    // The document's tolerances into the boxes the user has not changed.
    void ShowOffsets();
    // The message refusing the box's text (empty where it is taken); its number into value.
    std::string OffsetRefusal(const QLineEdit* pEdit, double& value) const;
    // Keeps the tolerance grids aligned after the user deleted a desired point.
    void OnPointDeleted(int nRow);
    // The box's number while the user has changed it and it is taken, else the document's
    // tolerance.
    double Offset(const QLineEdit* pEdit, double CMorvaneDoc::*pTolerance) const;
    // The buttons' work: the box into its tolerance, then the tolerance grid rebuilt.
    void RebuildTolerance(QLineEdit* pEdit, double CMorvaneDoc::*pTolerance,
                          CMasterPtEditGrid& tolerance);
    // Takes a box into the tolerance it stands for; false for a text it refuses.
    bool TakeOffset(QLineEdit* pEdit, double& tolerance);

    QLineEdit* m_pUpperOffset;
    QLineEdit* m_pLowerOffset;
};
