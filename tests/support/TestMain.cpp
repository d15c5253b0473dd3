// Test entry point: starts the toolkit (GTK needs an X display, Xvfb in CI)
// so that every test can create windows, bitmaps and device contexts.
#include <gtest/gtest.h>
#include <wx/wx.h>
#include <wx/image.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {
// A failed toolkit assertion would open a modal dialog and hang the run: it
// fails the running test instead.
void AssertionAsFailure(const wxString& file, int line, const wxString& function,
                        const wxString& condition, const wxString& message) {
    ADD_FAILURE() << "wx assertion " << condition.utf8_string() << " in " << function.utf8_string()
                  << " (" << file.utf8_string() << ":" << line << "): " << message.utf8_string();
}

class TestApp : public wxApp {
public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        wxSetAssertHandler(AssertionAsFailure);
        return true;
    }
};

// Under a loaded Xvfb the toolkit now and then fails to open the display;
// the test process then starts afresh, a few times at most, before failing.
void StartAgainOrGiveUp(std::vector<char*>& originalArgs) {
    const char* previous = std::getenv("VAQ_TEST_INICIOS");
    const int attempts = previous ? std::atoi(previous) : 0;
    if (attempts < 3) {
        setenv("VAQ_TEST_INICIOS", std::to_string(attempts + 1).c_str(), 1);
        usleep(500 * 1000);
        execv("/proc/self/exe", originalArgs.data());
    }
    std::fprintf(stderr, "No se ha podido iniciar wxWidgets (falta DISPLAY?)\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> originalArgs(argv, argv + argc + 1);
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // no display needed
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv)) {
        StartAgainOrGiveUp(originalArgs);
        return 1;
    }
    wxTheApp->CallOnInit();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
