#pragma once
#include <QString>

// The two stores of user settings: the application profile under
// "Quillora Inc"/"Quillora" and the file "p.ini" in the application-data directory.

QString ProfileIniPath();

int ReadApplicationLook();  // 210 when never stored
void WriteApplicationLook(int id);

bool ReadShowAdvanced();  // "advanced" in [setting]: only "true" (any case) is on
void WriteShowAdvanced(bool on);

int ReadShowDemoSiteAfterStarted();  // [show]; 1 when missing or empty
void WriteShowDemoSiteAfterStarted(int value);
