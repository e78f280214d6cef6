#pragma once

#include <string>

// The scratch folder of one running program: private to it (made with mkdtemp, mode 0700), so that
// neither a second instance nor another system user shares or deletes its files, and removed with
// everything in it when the object goes.
class CScratchFolder {
public:
    explicit CScratchFolder(const std::string& application);
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    // The folder, without a trailing separator. When none could be made, a path under which
    // nothing can ever be created, so that writes into it fail instead of landing elsewhere.
    std::string Path() const;
    const std::string& Error() const { return m_error; }

private:
    std::string m_path;
    std::string m_error;
};
