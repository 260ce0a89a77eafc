#include "preview/previewlib.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <mpv/client.h>
#include <mpv/render.h>
#include <mpv/stream_cb.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Paints the last rendered frame over the pane; a child of the pane, so it
// goes with it. Without a frame the pane shows its own (black) background.
class PanePainter : public QObject
{
public:
    explicit PanePainter(QWidget *pane) : QObject(pane), pane_(pane) { pane->installEventFilter(this); }

    void setFrame(const QImage &frame)
    {
        frame_ = frame;
        pane_->update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != pane_ || event->type() != QEvent::Paint || frame_.isNull())
            return false;
        QPainter painter(pane_);
        painter.drawImage(QPoint(0, 0), frame_);
        return true;
    }

private:
    QWidget *pane_;
    QImage frame_;
};

struct Protocol {
    std::string scheme;
    void *userData;
    TPreviewOpenFunction open;
};

class Playback;

// The library's state between calls.
struct Library {
    QPointer<QWidget> window;
    QPointer<PanePainter> painter;
    int width = 0;
    int height = 0;
    TPreviewEventFunction eventFunction = nullptr;
    bool hasStart = false;
    int start = 0;
    bool paused = false;
    Playback *current = nullptr;
    std::vector<Protocol> protocols;
};

Library &library()
{
    static Library l;
    return l;
}

// A headless window system has no one listening either.
bool silentPlatform()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// One playback: an mpv instance from `Play` to its return. Its events and
// frames arrive as queued calls on the user-interface thread; mpv's own
// threads only post those calls.
class Playback : public QObject
{
public:
    ~Playback() override { close(); }

    bool open(const char *mediaReference)
    {
        Library &l = library();
        // mpv refuses to start unless numbers are read with the "C" decimal
        // point; the application object sets the locale from the environment.
        std::setlocale(LC_NUMERIC, "C");
        mpv_ = mpv_create();
        if (!mpv_)
            return false;
        const bool drawn = l.window && l.painter && l.width > 0 && l.height > 0;
        const char *const options[][2] = {
            {"config", "no"},
            {"terminal", "no"},
            {"idle", "yes"},
            {"keep-open", "no"},
            {"input-default-bindings", "no"},
            {"input-vo-keyboard", "no"},
            {"osc", "no"},
            {"load-scripts", "no"},
            {"ytdl", "no"},
            {"hwdec", "no"},
            {"audio-fallback-to-null", "yes"},
            {"vo", drawn ? "libmpv" : "null"},
            {"pause", l.paused ? "yes" : "no"},
        };
        for (const auto &option : options)
            mpv_set_option_string(mpv_, option[0], option[1]);
        if (silentPlatform())
            mpv_set_option_string(mpv_, "ao", "null");
        if (l.hasStart)
            mpv_set_option_string(mpv_, "start", std::to_string(l.start).c_str());
        if (mpv_initialize(mpv_) < 0)
            return false;
        for (const Protocol &p : l.protocols)
            mpv_stream_cb_add_ro(mpv_, p.scheme.c_str(), p.userData, p.open);

        if (drawn && !openRenderer(l.width, l.height))
            return false;
        window_ = l.window;
        painter_ = l.painter;
        if (window_)
            connect(window_, &QObject::destroyed, this, [this] { finish(); });

        mpv_observe_property(mpv_, 0, "time-pos", MPV_FORMAT_DOUBLE);
        mpv_set_wakeup_callback(mpv_, &Playback::wakeup, this);
        const char *load[] = {"loadfile", mediaReference, nullptr};
        if (mpv_command(mpv_, load) < 0)
            return false;
        // Events queued before the callback was set would wait otherwise.
        wakeup(this);
        return true;
    }

    void run()
    {
        if (!finished_)
            loop_.exec();
    }

    void finish()
    {
        finished_ = true;
        loop_.quit();
    }

    void seek(int position)
    {
        if (!mpv_)
            return;
        const std::string target = std::to_string(position);
        const char *command[] = {"seek", target.c_str(), "absolute", nullptr};
        mpv_command(mpv_, command);
    }

    void setPaused(bool paused)
    {
        if (mpv_)
            mpv_set_property_string(mpv_, "pause", paused ? "yes" : "no");
    }

private:
    bool openRenderer(int width, int height)
    {
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_SW)},
            {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_create(&render_, mpv_, params) < 0) {
            render_ = nullptr;
            return false;
        }
        // Lines of a multiple of 64 bytes, on a 64-byte boundary: the
        // renderer's fast path.
        width_ = width;
        height_ = height;
        stride_ = (size_t(width) * 4 + 63) / 64 * 64;
        buffer_ = static_cast<uchar *>(std::aligned_alloc(64, stride_ * size_t(height)));
        if (!buffer_)
            return false;
        std::memset(buffer_, 0, stride_ * size_t(height));
        mpv_render_context_set_update_callback(render_, &Playback::frameReady, this);
        return true;
    }

    // On an mpv thread: only post the work to the user-interface thread,
    // once until it has run.
    static void wakeup(void *context)
    {
        auto *self = static_cast<Playback *>(context);
        if (!self->eventsPosted_.exchange(true))
            QMetaObject::invokeMethod(self, [self] { self->drainEvents(); }, Qt::QueuedConnection);
    }

    static void frameReady(void *context)
    {
        auto *self = static_cast<Playback *>(context);
        if (!self->framePosted_.exchange(true))
            QMetaObject::invokeMethod(self, [self] { self->renderFrame(); }, Qt::QueuedConnection);
    }

    // Takes every waiting event, then reports the newest position once: the
    // event function may take its time without events piling up behind it.
    void drainEvents()
    {
        eventsPosted_ = false;
        if (draining_ || !mpv_)
            return;
        draining_ = true;
        bool moved = false;
        bool ended = false;
        double position = 0;
        for (;;) {
            const mpv_event *event = mpv_wait_event(mpv_, 0);
            if (event->event_id == MPV_EVENT_NONE)
                break;
            if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
                const auto *property = static_cast<const mpv_event_property *>(event->data);
                if (property->format == MPV_FORMAT_DOUBLE && property->data &&
                    std::strcmp(property->name, "time-pos") == 0) {
                    position = *static_cast<const double *>(property->data);
                    moved = true;
                }
            } else if (event->event_id == MPV_EVENT_END_FILE) {
                const auto *end = static_cast<const mpv_event_end_file *>(event->data);
                if (end->reason != MPV_END_FILE_REASON_REDIRECT)
                    ended = true;
            } else if (event->event_id == MPV_EVENT_SHUTDOWN) {
                ended = true;
            }
        }
        draining_ = false;
        if (ended) {
            finish();
            return;
        }
        if (moved && !finished_) {
            if (TPreviewEventFunction report = library().eventFunction)
                report(position);
        }
    }

    void renderFrame()
    {
        framePosted_ = false;
        if (!render_)
            return;
        if (!(mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME))
            return;
        int size[2] = {width_, height_};
        size_t stride = stride_;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size},
                                     {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char *>("bgr0")},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                     {MPV_RENDER_PARAM_SW_POINTER, buffer_},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_render(render_, params) < 0)
            return;
        // "bgr0" in memory is 0x00RRGGBB per pixel: Qt's 32-bit RGB.
        if (painter_)
            painter_->setFrame(QImage(buffer_, width_, height_, int(stride_), QImage::Format_RGB32));
    }

    void close()
    {
        // After the callbacks are cleared no mpv thread calls into this object.
        if (mpv_)
            mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
        if (render_) {
            mpv_render_context_set_update_callback(render_, nullptr, nullptr);
            mpv_render_context_free(render_);
            render_ = nullptr;
        }
        if (mpv_) {
            mpv_terminate_destroy(mpv_);
            mpv_ = nullptr;
        }
        if (painter_)
            painter_->setFrame(QImage());
        std::free(buffer_);
        buffer_ = nullptr;
    }

    mpv_handle *mpv_ = nullptr;
    mpv_render_context *render_ = nullptr;
    QPointer<QWidget> window_;
    QPointer<PanePainter> painter_;
    uchar *buffer_ = nullptr;
    size_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    QEventLoop loop_;
    bool finished_ = false;
    bool draining_ = false;
    std::atomic<bool> eventsPosted_{false};
    std::atomic<bool> framePosted_{false};
};

} // namespace

void InitPreviewWindow(QWidget *window, int width, int height)
{
    Library &l = library();
    if (l.current)
        return; // the running playback keeps its pane
    if (l.window != window) {
        delete l.painter;
        l.window = window;
        l.painter = window ? new PanePainter(window) : nullptr;
    }
    l.width = width;
    l.height = height;
}

void SetEventFuntion(TPreviewEventFunction eventFunction)
{
    library().eventFunction = eventFunction;
}

void Seek(int position)
{
    Library &l = library();
    if (l.current) {
        l.current->seek(position);
        return;
    }
    l.hasStart = true;
    l.start = position;
}

void Play(const char *mediaReference)
{
    Library &l = library();
    if (l.current || !mediaReference)
        return;
    Playback playback;
    l.current = &playback;
    const bool started = playback.open(mediaReference);
    // A start position applies to one playback only.
    l.hasStart = false;
    if (started)
        playback.run();
    l.current = nullptr;
}

void Pause()
{
    Library &l = library();
    l.paused = !l.paused;
    if (l.current)
        l.current->setPaused(l.paused);
}

void Stop()
{
    if (Playback *playback = library().current)
        playback->finish();
}

bool PreviewPlaying()
{
    return library().current != nullptr;
}

void AddPreviewProtocol(const char *scheme, void *userData, TPreviewOpenFunction open)
{
    if (scheme && open)
        library().protocols.push_back({scheme, userData, open});
}
