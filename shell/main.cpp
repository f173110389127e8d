// The program's entry: the application object starts up, the event loop runs, and the
// application writes its settings back when the loop ends.
#include "shell/ui/MorvaneApp.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
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
