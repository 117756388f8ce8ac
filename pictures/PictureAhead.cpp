#include "pictures/PictureAhead.h"
#include "graphfmt/ComPtr.h"
#include <cstring>
#include <system_error>

PictureAhead::~PictureAhead()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void PictureAhead::Start(const void* bytes, size_t size)
{
    std::unique_lock<std::mutex> hold(m_lock);
    // The thread reads m_bytes while it decodes: they change after.
    m_changed.wait(hold, [this] { return !m_decoding; });
    m_decoded.reset();
    m_asked = false;
    m_bytes.clear();
    if (!bytes || size == 0)
        return;
    try {
        if (!m_thread.joinable())
            m_thread = std::thread(&PictureAhead::Serve, this);
        const auto* first = static_cast<const unsigned char*>(bytes);
        m_bytes.assign(first, first + size);
        m_asked = true;
    } catch (const std::bad_alloc&) {
        m_bytes.clear();
    } catch (const std::system_error&) {
        m_bytes.clear(); // no thread: the picture is decoded when it is needed
    }
    hold.unlock();
    m_changed.notify_all();
}

std::unique_ptr<CImage> PictureAhead::Take(const void* bytes, size_t size)
{
    std::unique_lock<std::mutex> hold(m_lock);
    const bool same = (m_asked || m_decoding || m_decoded) && bytes && size == m_bytes.size() &&
                      std::memcmp(bytes, m_bytes.data(), size) == 0;
    if (same)
        m_changed.wait(hold, [this] { return !m_asked && !m_decoding; });
    else
        m_changed.wait(hold, [this] { return !m_decoding; });
    std::unique_ptr<CImage> image = same ? std::move(m_decoded) : nullptr;
    m_decoded.reset();
    m_asked = false;
    m_bytes.clear();
    return image;
}

void PictureAhead::Serve()
{
    // One apartment for every picture the thread decodes; multithreaded,
    // as the thread waits without handling messages.
    gfx::ComApartment apartment(COINIT_MULTITHREADED);
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_changed.wait(hold, [this] { return m_stop || m_asked; });
        if (m_stop)
            return;
        m_asked = false;
        m_decoding = true;
        hold.unlock();
        std::unique_ptr<CImage> image;
        try {
            image = std::make_unique<CImage>();
            image->ReadMemory(m_bytes.data(), m_bytes.size());
        } catch (const std::bad_alloc&) {
            image.reset();
        }
        hold.lock();
        m_decoded = std::move(image);
        m_decoding = false;
        m_changed.notify_all();
    }
}
