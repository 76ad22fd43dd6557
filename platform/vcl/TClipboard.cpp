#include "platform/vcl/TClipboard.h"

std::string TClipboard::AsText() const {
    return FReader ? FReader() : FText;
}

void TClipboard::SetAsText(const std::string& Value) {
    if (FWriter)
        FWriter(Value);
    else
        FText = Value;
}

void TClipboard::SetBackend(TReader Reader, TWriter Writer) {
    FReader = std::move(Reader);
    FWriter = std::move(Writer);
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}
