// The compression design windows in the application: for the QZX2202 and for the
// QZX2410/QZX6060 family one document and one transfer-curve view with its control dialog,
// working on the application's compression settings, which outlive the windows. The Design
// commands open them (MorvaneAppDesign.cpp); these are what the windows are made of.
#include "shell/ui/MorvaneApp.h"

#include "drc/DRC_Doc.h"
#include "drc/QZX2410_DRC_Doc.h"
#include "drc/ui/DRC_View.h"
#include "drc/ui/QZX2410_DRC_View.h"
#include "framework/ui/HelpTopic.h"
#include "shell/help/HelpTopics.h"
#include "shell/ui/DesignMDIChild.h"
#include "shell/ui/MDIChildFrame.h"

#include <memory>

namespace
{
constexpr int kSeparator = 0;
constexpr int kPrintSetup = 57606;
constexpr int kExit = 57665;

constexpr CCommandText kQZX2202Texts[] = {
    {CDRC_Doc::ID_FILE_SAVE_AS_DRC, "Save &As DRC File", nullptr,
     "Save the compression settings as a QZX2202 register file (.drc)"},
};
constexpr CCommandText kQZX241XTexts[] = {
    {CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X, "Save &As .DRC241x File", nullptr,
     "Save the compression curve as a QZX241X device file (.DR241X)"},
    {CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X, "Save &As .DRC606x File", nullptr,
     "Save the compression curve as a QZX606X device file (.DRC606X)"},
};

// The menus of a compression window: its File menu (its save commands, then printing and
// Exit), the Design menu and Help.
std::vector<CMenuLayout> CompressionMenus(std::vector<int> saveCommands)
{
    std::vector<int> file = std::move(saveCommands);
    file.insert(file.end(), {kSeparator, kPrintSetup, CMorvaneApp::ID_FILE_PRINT,
                             CMorvaneApp::ID_FILE_PRINT_PREVIEW, kSeparator, kExit});
    using A = CMorvaneApp;
    return {
        {"&File", file},
        {"&Design",
         {A::ID_DESIGN_EQ_FILTERS, kSeparator, A::ID_DESIGN_QZX2202_LOUDNESS,
          A::ID_DESIGN_QZX2410_LOUDNESS, A::ID_DESIGN_QZX6060_LOUDNESS, kSeparator,
          A::ID_DESIGN_QZX2202_COMPRESSION, A::ID_DESIGN_QZX2410_COMPRESSION,
          A::ID_DESIGN_QZX6060_COMPRESSION}},
        {"&Help", {32818, 32819, 32820, kSeparator, A::ID_APP_ABOUT}},
    };
}

// A compression window: the document and the view on the application's settings, the
// view first among the command targets; the document's save dialogs offer the name of the
// speaker design's files; the view's readout waits while the frame's resize timer runs,
// and every Design command that shows the window shows its control dialog too (made anew
// when the user closed it); the dialog hides while another design window is in front.
template <class View, class Document, class Manager>
CDesignWindowSetup CompressionWindow(CMorvaneApp& app, EDesignWindow kind, Manager& manager)
{
    CDesignWindowSetup setup;
    setup.fill = [&app, &manager, kind](CMDIChildFrame& frame)
    {
        auto document = std::make_shared<Document>(manager);
        document->m_DesignBaseName = [&app] { return app.DesignBaseName(); };
        auto* view = new View(manager);
        CMDIChildInfo& info = DesignFrameInfo(app, kind);
        view->SetResizePending([&info] { return info.m_bTimerOn != 0; });
        frame.SetView(view);
        frame.AddCommandTarget(view);
        frame.AddCommandTarget(document.get());
        frame.KeepAlive(document);
        view->OnInitialUpdate();
        return true;
    };
    const auto view = [&app, kind]
    {
        CMDIChildFrame* pFrame = app.GetDesignFrame(kind);
        return pFrame ? dynamic_cast<View*>(pFrame->GetView()) : nullptr;
    };
    setup.afterOpen = [view]
    {
        // The dialog is a window of its own beside the compression window: it names the
        // window's help topic itself.
        if (View* pView = view())
            SetHelpTopic(pView->ShowControlDialog(), HelpTopics::kCompression);
    };
    // The dialog belongs to its window: it does not stay over another design window.
    setup.covered = [view]
    {
        if (View* pView = view(); pView && pView->GetControlDialog())
            pView->GetControlDialog()->hide();
    };
    setup.toolBar = {CMorvaneApp::ID_FILE_PRINT, kSeparator, CMorvaneApp::ID_APP_ABOUT};
    return setup;
}
} // namespace

void CMorvaneApp::WireCompressionWindows()
{
    CDesignWindowSetup qzx2202 = CompressionWindow<CDRC_View, CDRC_Doc>(
        *this, EDesignWindow::QZX2202Compression, m_DRC_Manager);
    qzx2202.menus = CompressionMenus({CDRC_Doc::ID_FILE_SAVE_AS_DRC});
    qzx2202.texts = kQZX2202Texts;
    SetDesignWindow(EDesignWindow::QZX2202Compression, std::move(qzx2202));

    CDesignWindowSetup qzx241x = CompressionWindow<CQZX2410_DRC_View, CQZX2410_DRC_Doc>(
        *this, EDesignWindow::QZX241XCompression, m_QZX2410_DRC_Manager);
    qzx241x.menus = CompressionMenus(
        {CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X, CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X});
    qzx241x.texts = kQZX241XTexts;
    SetDesignWindow(EDesignWindow::QZX241XCompression, std::move(qzx241x));
}
