#pragma once

#include <string>

// A fresh folder below the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return FPath; }
    std::string File(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);

// A 24-bit BMP file of the given size (black).
void WriteBmpFile(const std::string& path, int width, int height);

// A small skin description: the five required sections, SKINOBJECTS and
// SKINCONTROLS with the given lines (a zero count by default), FORMINFO with
// the given lines, and the extra sections appended.
std::string SkinText(const std::string& extra = "", const std::string& objects = "count=0\r\n",
                     const std::string& controls = "count=0\r\n",
                     const std::string& formInfo = "borderwidth=0\r\n",
                     const std::string& pictures = "activepicturescount=0\r\n");

// A committed reference file of this test folder.
std::string ReferencePath(const std::string& name);

// One run of the skintool built with the tree: its exit status (-1 when it
// did not exit by itself) and what it printed on both streams.
struct SkintoolRun {
    int Status = -1;
    std::string Output;
};
SkintoolRun RunSkintool(const std::string& arguments);
// The same for any command line.
SkintoolRun RunCommand(const std::string& commandLine);
