#include "BrimbletApplication.h"

// The game takes no command line: only the program's own name reaches the toolkit, so no
// argument can change how it runs. No settings are read and nothing is written.
int main(int, char** argv) {
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    BrimbletApplication app(toolkitArgc, toolkitArgv);
    app.CreateForms();
    return app.Run();
}
