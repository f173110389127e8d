// The "Edit Loudness Filters" sheet of one chip family: five pages, one per loudness kind
// ("EQ Base Type", "Treble Base Type", "Bass Base Type", "User Input Base Coefficients",
// "User Input Loudness Coefficients"), each a loudness grid with "Close", "Clear" and
// "Clear All". It lives in a mini frame of the main window and is hidden, not destroyed,
// when closed, so the rows survive.
//
// Its grids are registered with the manager of its own family only, once the sheet is
// whole (RegisterGrids), and withdrawn when it goes. Clear, Clear All and the grids'
// popup act on that manager; Close hides the sheet's own window.
#pragma once

#include <QTabWidget>

#include <array>

class CLoudnessGrid;
class CLoudnessManager;
class QPushButton;

class CEditLoudnessFilterPage : public QWidget
{
public:
    CEditLoudnessFilterPage(const QString& title, int nMethodType, CLoudnessManager& manager,
                            QWidget* parent = nullptr);

    CLoudnessGrid& Grid() const { return *m_pGrid; }
    int GetMethodType() const { return m_nMethodType; }
    // "Clear": the page's kind; "Clear All": every kind; "Close": hides the window.
    void OnClear();
    void OnClearAll();
    void OnClose();

private:
    int m_nMethodType;
    CLoudnessManager& m_Manager;
    CLoudnessGrid* m_pGrid;
};

class CEditLoudnessFilters : public QTabWidget
{
public:
    explicit CEditLoudnessFilters(CLoudnessManager& manager, QWidget* parent = nullptr);
    ~CEditLoudnessFilters() override;

    CEditLoudnessFilterPage& Page(int nKind) const { return *m_Pages[std::size_t(nKind)]; }
    // The grids become the manager's, each showing the filters the manager holds of its kind.
    void RegisterGrids();

private:
    CLoudnessManager& m_Manager;
    std::array<CEditLoudnessFilterPage*, 5> m_Pages{};
};
