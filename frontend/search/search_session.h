#pragma once
// Search state that outlives a single reaction of the main window.

class SearchSession {
public:
    // Closes whatever file a search or page load still holds open; called before the program ends.
    void closeFiles() {}
};
