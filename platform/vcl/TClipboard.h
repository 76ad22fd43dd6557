#pragma once

#include <functional>
#include <string>

// The text clipboard. It keeps its text in the process until a backend that
// talks to a desktop installs its own reader and writer.
class TClipboard {
public:
    using TReader = std::function<std::string()>;
    using TWriter = std::function<void(const std::string&)>;

    std::string AsText() const;
    void SetAsText(const std::string& Value);
    bool HasText() const { return !AsText().empty(); }
    void Clear() { SetAsText(""); }

    // Empty functions restore the in-process store.
    void SetBackend(TReader Reader, TWriter Writer);

private:
    TReader FReader;
    TWriter FWriter;
    std::string FText;
};

TClipboard& Clipboard();
