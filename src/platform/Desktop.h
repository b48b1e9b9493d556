#pragma once
// Services of the desktop: message boxes and web links. The SDL desktop shows real boxes (and
// prints their text on stderr); the recording desktop keeps what would have been shown.
#include <string>
#include <vector>

class TDesktop {
public:
    virtual ~TDesktop() = default;
    virtual void ShowMessage(const std::string& caption, const std::string& text, bool isError) = 0;
    virtual void OpenWebLink(const std::string& url) = 0;
};

class TSdlDesktop : public TDesktop {
public:
    void ShowMessage(const std::string& caption, const std::string& text, bool isError) override;
    void OpenWebLink(const std::string& url) override;
};

class TRecordingDesktop : public TDesktop {
public:
    std::vector<std::string> Messages; // "caption: text"
    std::vector<std::string> WebLinks;
    void ShowMessage(const std::string& caption, const std::string& text, bool) override {
        Messages.push_back(caption + ": " + text);
    }
    void OpenWebLink(const std::string& url) override { WebLinks.push_back(url); }
};
