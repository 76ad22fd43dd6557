#pragma once

#include <cstddef>
#include <vector>

#include "app/catalogue/CurrentProfile.h"
#include "app/conversion/FileRowColumns.h"
#include "media/task/TInputOptions.h"
#include "media/task/TOutputOptions.h"

// One row of the file list: its column texts, its profile record (the
// profile's values with the six boxes applied; columns 11 to 24 show it) and
// the option records of its task. Everything travels with the row through
// moves and removals, so a row is always converted with its own settings.
struct TFileRow {
    TFileRowTexts Columns;
    TCurrentProfile Profile;
    TInputOptions Input;
    TOutputOptions Output;
};

// The file-list model: rows in display order and the selected row.
class TFileList {
public:
    // As many rows as the window ever offered option slots for.
    static constexpr int MaxRows = 501;

    int Count() const { return static_cast<int>(FRows.size()); }
    bool Empty() const { return FRows.empty(); }
    TFileRow& Row(int AIndex) { return FRows.at(static_cast<std::size_t>(AIndex)); }
    const TFileRow& Row(int AIndex) const { return FRows.at(static_cast<std::size_t>(AIndex)); }
    const std::string& Text(int AIndex, TFileRowColumn AColumn) const { return Row(AIndex).Columns[AColumn]; }
    void SetText(int AIndex, TFileRowColumn AColumn, std::string AText) {
        Row(AIndex).Columns[AColumn] = std::move(AText);
    }

    // Appends a row; returns its index.
    int Add(TFileRow ARow);
    // Removes a row; the selection is cleared.
    void Delete(int AIndex);
    // Swaps two rows with everything they hold.
    void Exchange(int AIndex1, int AIndex2);
    void Clear();

    // -1 when no row is selected.
    int ItemIndex() const { return FItemIndex; }
    // An index outside the rows clears the selection.
    void SetItemIndex(int AIndex);
    bool HasSelection() const { return FItemIndex >= 0; }

    // The output names of every row but one (-1: of every row).
    std::vector<std::string> OutputNames(int AExceptRow = -1) const;

private:
    std::vector<TFileRow> FRows;
    int FItemIndex = -1;
};
