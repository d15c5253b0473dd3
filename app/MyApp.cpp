#include "MyApp.h"

bool MyApp::OnInit() { return false; }
int MyApp::OnExit() { return 0; }
