#pragma once

#include "audio/CWorkerThread.h"

#include <cstdio>
#include <functional>
#include <string>

struct WaveWriteRequest;

// The worker thread that turns recorded blocks into a WAV file: an open message writes the
// 46-byte header (an 18-byte format chunk), data messages append their blocks, closing fills in
// the sizes. Blocks that arrive while no file is open are released unwritten. The file appears
// under its name only once closed, as an exclusively opened file would be unreadable until then.
class CWriteSoundFile final : public CWorkerThread {
public:
    ~CWriteSoundFile() override;

    // Called on the writer's thread each time a recording has been closed and carries its own
    // name, with that name. Set before the thread starts.
    void SetClosedHandler(std::function<void(const std::string& path)> handler) {
        m_closed = std::move(handler);
    }

protected:
    void OnThreadMessage(ThreadMessage& message) override;

private:
    void OnOpen(const WaveWriteRequest& request);
    void OnData(ThreadMessage& message);
    void OnClose();

    std::FILE* m_file = nullptr;
    std::string m_path;
    std::uint32_t m_dataSize = 0;
    bool m_failed = false;
    std::function<void(const std::string&)> m_closed;
};
