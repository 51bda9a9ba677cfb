// The game as start-up builds it, with the benchmark's first-paint hook on the main window.
#include "BrimbletApplication.h"
#include "FirstPaintHook.h"
#include "Main.h"

int main(int, char** argv) {
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    BrimbletApplication app(toolkitArgc, toolkitArgv);
    app.CreateForms();
    TForm1& form = *app.Form1();
    bench::FirstPaintHook hook(form, form.findChild<QWidget*>(QStringLiteral("Player1")),
                               form.findChild<QWidget*>(QStringLiteral("Image2")));
    return app.Run();
}
