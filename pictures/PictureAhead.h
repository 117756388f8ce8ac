#pragma once
// A picture decoded on a thread of its own while the learner does something
// else, so that the next test finds it ready instead of decoding it on the
// way to its first question. One thread serves the whole run: it is made at
// the first picture asked for and ends with this object. The bytes are
// copied first: the theme library they come from may be unloaded (another
// theme chosen) before the decoding ends. Whoever takes the picture says
// which bytes it wants; a picture decoded from other bytes is dropped.
#include "graphfmt/Image.h"
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class PictureAhead {
public:
    PictureAhead() = default;
    ~PictureAhead();
    PictureAhead(const PictureAhead&) = delete;
    PictureAhead& operator=(const PictureAhead&) = delete;

    // Starts decoding a copy of the bytes; a picture asked for before and
    // not taken is dropped. Without a thread (out of resources) nothing is
    // decoded ahead.
    void Start(const void* bytes, size_t size);
    // The picture decoded from bytes equal to these, once its decoding has
    // ended; null when none was asked for from them or the decoding failed
    // for want of memory. Either way nothing is left ahead.
    std::unique_ptr<CImage> Take(const void* bytes, size_t size);

private:
    void Serve();

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<unsigned char> m_bytes; // what the thread decodes, or has decoded
    bool m_asked = false;                // bytes are waiting for the thread
    bool m_decoding = false;             // the thread reads m_bytes
    bool m_stop = false;
    std::unique_ptr<CImage> m_decoded;   // the picture of m_bytes, once done
    std::thread m_thread;
};
