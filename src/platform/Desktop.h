#pragma once
// Services of the desktop: message boxes and web links, their texts in UTF-8. The SDL desktop
// prints every message on stderr and shows it in a box where the desktop can; the recording
// desktop keeps what would have been shown.
#include <string>
#include <vector>

class TDesktop {
public:
    virtual ~TDesktop() = default;
    // False when no box could be shown (the text is on stderr all the same).
    virtual bool ShowMessage(const std::string& caption, const std::string& text, bool isError) = 0;
    virtual void OpenWebLink(const std::string& url) = 0;
};

class TSdlDesktop : public TDesktop {
public:
    bool ShowMessage(const std::string& caption, const std::string& text, bool isError) override;
    void OpenWebLink(const std::string& url) override;

private:
    bool toldNoBox_ = false;
};

class TRecordingDesktop : public TDesktop {
public:
    std::vector<std::string> Messages; // "caption: text"
    std::vector<std::string> WebLinks;
    bool ShowMessage(const std::string& caption, const std::string& text, bool) override {
        Messages.push_back(caption + ": " + text);
        return true;
    }
    void OpenWebLink(const std::string& url) override { WebLinks.push_back(url); }
};
