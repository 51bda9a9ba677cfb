// Brimblet in the browser: the page's program starts once its script has loaded, and lives
// as long as the page does.
#include "Application.h"

int main() {
    static Application application;
    application.Start();
    return 0;
}
