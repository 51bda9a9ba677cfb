#include "BrimbletApplication.h"

// No command line, no settings: the title, the three windows in order, then the event loop.
int main(int argc, char** argv) {
    BrimbletApplication app(argc, argv);
    app.CreateForms();
    return app.Run();
}
