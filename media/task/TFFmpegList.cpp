#include "media/task/TFFmpegList.h"

#include <utility>

#include "platform/base/Exception.h"

int TFFmpegList::Add(std::unique_ptr<TFFmpeg> ATask) {
    FItems.push_back(std::move(ATask));
    return Count() - 1;
}

void TFFmpegList::CheckIndex(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count())
        throw EListError("List index out of bounds (" + std::to_string(AIndex) + ")");
}

void TFFmpegList::Delete(int AIndex) {
    CheckIndex(AIndex);
    FItems.erase(FItems.begin() + AIndex);
}

std::unique_ptr<TFFmpeg> TFFmpegList::Extract(int AIndex) {
    CheckIndex(AIndex);
    std::unique_ptr<TFFmpeg> task = std::move(FItems[AIndex]);
    FItems.erase(FItems.begin() + AIndex);
    return task;
}

void TFFmpegList::Exchange(int AIndex1, int AIndex2) {
    CheckIndex(AIndex1);
    CheckIndex(AIndex2);
    std::swap(FItems[AIndex1], FItems[AIndex2]);
}

TFFmpeg& TFFmpegList::Item(int AIndex) const {
    CheckIndex(AIndex);
    return *FItems[AIndex];
}

int TFFmpegList::IndexOf(const TFFmpeg* ATask) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].get() == ATask) return i;
    return -1;
}

void TFFmpegList::SetPreviewHooks(bool APreview, bool ABitmap) {
    for (auto& task : FItems)
        task->Engine().SetPreviewHooks(APreview, ABitmap);
}
