// The toolkit creates the application object and runs its event loop.
#include <cstdlib>
#include <cstring>

#include "MyApp.h"

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv) {
    // Nothing here draws with OpenGL, yet GDK probes it while opening the
    // display, loading the GL drivers: most of the start-up time of a
    // command-line render. A value the user set is kept.
    setenv("GDK_GL", "disable", 0);
    // The command-line render opens no window, so the accessibility bridge,
    // which would try to launch a session bus first, has nothing to serve.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--salida") == 0) setenv("NO_AT_BRIDGE", "1", 0);
    return wxEntry(argc, argv);
}
