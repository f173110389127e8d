// The program's entry: the application object starts up, the event loop runs, and the
// application writes its settings back when the loop ends. An exception an event handler
// lets out is shown and the loop goes on (CGuardedApplication).
#include "shell/ui/GuardedApplication.h"
#include "shell/ui/MorvaneApp.h"

#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    CGuardedApplication application(argc, argv);
    QApplication::setOrganizationName("Vandrel Inc.");
    QApplication::setApplicationName("Morvane");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    if (!theApp.InitInstance(args))
    {
        theApp.ExitInstance();
        return 1;
    }
    const int nResult = QApplication::exec();
    theApp.ExitInstance();
    return nResult;
}
