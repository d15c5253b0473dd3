#include "DirectorioEjecutable.h"

#include <wx/strconv.h>
#include <unistd.h>

char* DirectorioEjecutable(char* buf, int size) {
    if (!buf || size <= 0) return buf;
    buf[0] = '\0';
    const ssize_t length = readlink("/proc/self/exe", buf, static_cast<size_t>(size) - 1);
    if (length <= 0) return buf;
    buf[length] = '\0';
    for (ssize_t i = length - 1; i >= 0; --i) {
        if (buf[i] == '/') {
            buf[i + 1] = '\0';
            return buf;
        }
    }
    buf[0] = '\0';
    return buf;
}

wxString DirectorioAplicacion() {
    char buf[4096];
    // A file name, in the system's encoding (not a data text): the directory
    // of a program installed under a non-ASCII prefix must still be found.
    const wxString directory(DirectorioEjecutable(buf, sizeof buf), *wxConvFileName);
    return directory.BeforeLast('/');
}
