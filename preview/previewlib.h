// The preview library: plays a media file (or a stream of a registered
// protocol such as "vts://") into a pane of the window, with libmpv.
//
// Six functions make the interface the window uses. Playback is one at a time.
// `Play` blocks until playback has been stopped or the media has ended, while
// the window's events keep being handled (a local event loop); the event
// function receives the playing position, in seconds, on the user-interface
// thread. Media that cannot be played end `Play` at once.
//
// The picture is drawn with libmpv's software renderer into an image that the
// pane paints; this works on every window system, including the headless one
// of the tests. On a headless window system ("offscreen", "minimal") playback
// is silent.
#pragma once

struct mpv_stream_cb_info;
class QWidget;

// The event function: called with the current position in seconds.
using TPreviewEventFunction = void (*)(double position);

// Later playback is drawn into `window`, at `width` × `height` pixels.
void InitPreviewWindow(QWidget *window, int width, int height);
// The function that receives the positions during playback.
void SetEventFuntion(TPreviewEventFunction eventFunction);
// Goes on from `position` seconds (in the seconds the positions are reported
// in). Before `Play`, it sets where the next playback starts.
void Seek(int position);
// Plays `mediaReference` (an 8-bit path or protocol reference) and returns
// when playback has been stopped or has ended.
void Play(const char *mediaReference);
// Toggles between paused and playing; also when nothing plays, so that the
// next playback starts paused.
void Pause();
// Ends playback, so that `Play` returns.
void Stop();

// True while `Play` runs.
bool PreviewPlaying();

// Opens the streams of references beginning `scheme` "://" (read-only), as
// libmpv's stream callbacks do; the open function runs on a player thread and
// must not call back into libmpv. Registered for every later playback.
using TPreviewOpenFunction = int (*)(void *userData, char *uri, mpv_stream_cb_info *info);
void AddPreviewProtocol(const char *scheme, void *userData, TPreviewOpenFunction open);
