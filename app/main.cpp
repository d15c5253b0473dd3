// The toolkit creates the application object and runs its event loop.
#include "MyApp.h"

wxIMPLEMENT_APP(MyApp);
