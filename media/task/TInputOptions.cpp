#include "media/task/TInputOptions.h"

#include "media/task/NoPts.h"

void InitInputOptions(TInputOptions& AOptions) {
    AOptions.FileName.clear();
    AOptions.FileFormat.clear();
    AOptions.TimeStart = kNoPts;
    AOptions.ProgramID = -1;
    AOptions.ExtOptions.clear();
    AOptions.Tag = 0;
    AOptions.Data = nullptr;
}
