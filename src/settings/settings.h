// The settings file "Tilfay.ini", section "Tilfay", kept by the platform's profile-file services.
#pragma once

void loadSettings();
void saveSettings();
// Re-reads "Closing allowed", so that a hand edit takes effect while the keyboard runs.
bool closingAllowedNow();
