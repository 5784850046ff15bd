#pragma once
// Where the console keeps its files, and questions about files beside the executable. Paths
// and URLs cross this interface as UTF-8 strings.

#include <string>

namespace JEX {

class IFileUtil {
public:
    virtual ~IFileUtil() = default;

    // The directory that holds the settings file; it may not exist until the first save.
    virtual std::string dataDirPath() const = 0;
    virtual std::string tempDirPath() const = 0;
    virtual std::string appDirPath() const = 0;
    virtual std::string resourceDirPath() const = 0;
    virtual void prepare() = 0;
    virtual std::string appFileUrl(const std::string& relativePath) const = 0;
    virtual std::string appFilePath(const std::string& relativePath) const = 0;
    // Accepts "file://" URLs, "qrc:/" resource URLs and plain paths.
    virtual bool urlExists(const std::string& urlOrPath) const = 0;
    virtual bool copyDir(const std::string& source, const std::string& destination,
                         bool overwrite) const = 0;
};

} // namespace JEX
