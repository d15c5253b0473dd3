// The toolkit creates the application object and runs its event loop.
#include <cstdlib>

#include "MyApp.h"

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv) {
    // Nothing here draws with OpenGL, yet GDK probes it while opening the
    // display, loading the GL drivers: most of the start-up time of a
    // command-line render. A value the user set is kept.
    setenv("GDK_GL", "disable", 0);
    return wxEntry(argc, argv);
}
