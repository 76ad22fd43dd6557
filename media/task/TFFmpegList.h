#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "media/task/TFFmpeg.h"

// The task list; owns its tasks. Index errors raise EListError.
class TFFmpegList {
public:
    int Add(std::unique_ptr<TFFmpeg> ATask);
    void Clear() { FItems.clear(); }
    void Delete(int AIndex);
    std::unique_ptr<TFFmpeg> Extract(int AIndex);
    void Exchange(int AIndex1, int AIndex2);
    TFFmpeg& Item(int AIndex) const;
    int IndexOf(const TFFmpeg* ATask) const;
    int Count() const { return static_cast<int>(FItems.size()); }

    // Hands the tasks over (to be freed outside a lock).
    std::vector<std::unique_ptr<TFFmpeg>> TakeAll() { return std::exchange(FItems, {}); }

    void SetPreviewHooks(bool APreview, bool ABitmap);

private:
    void CheckIndex(int AIndex) const;
    std::vector<std::unique_ptr<TFFmpeg>> FItems;
};
