// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// XRandR requests for the screen mode; every request runs with X errors caught, because Xlib's
// default answer to an error is to end the process, and a refused mode is no reason to end.
#include "display/xrandr_mode.hpp"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace slot::xmode {
namespace {

int lastError = 0;

int recordError(Display *, XErrorEvent *event)
{
    lastError = event->error_code;
    return 0;
}

struct Connection {
    explicit Connection(const char *name) : dpy(XOpenDisplay(name)) { }
    ~Connection()
    {
        if (dpy) {
            XCloseDisplay(dpy);
        }
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    Display *dpy;
};

template <typename T, void (*Free)(T *)>
struct Freer {
    void operator()(T *p) const { Free(p); }
};
using Resources =
    std::unique_ptr<XRRScreenResources, Freer<XRRScreenResources, XRRFreeScreenResources>>;
using OutputInfo = std::unique_ptr<XRROutputInfo, Freer<XRROutputInfo, XRRFreeOutputInfo>>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, Freer<XRRCrtcInfo, XRRFreeCrtcInfo>>;

bool hasRandr12(Display *dpy)
{
    int event = 0, error = 0, major = 0, minor = 0;
    return XRRQueryExtension(dpy, &event, &error) && XRRQueryVersion(dpy, &major, &minor) &&
        (major > 1 || (major == 1 && minor >= 2));
}

// The monitor the game switches: the primary output, or else the first one that is lit.
struct Target {
    RROutput output = 0;
    OutputInfo info;
};

Target mainOutput(Display *dpy, XRRScreenResources *res)
{
    std::vector<RROutput> order{XRRGetOutputPrimary(dpy, DefaultRootWindow(dpy))};
    order.insert(order.end(), res->outputs, res->outputs + res->noutput);
    for (const RROutput output : order) {
        if (output == 0) {
            continue;
        }
        OutputInfo info(XRRGetOutputInfo(dpy, res, output));
        if (info && info->crtc != 0 && info->connection == RR_Connected) {
            return {output, std::move(info)};
        }
    }
    return {};
}

bool sideways(int rotation)
{
    return (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
}

const XRRModeInfo *modeById(XRRScreenResources *res, RRMode id)
{
    for (int i = 0; i < res->nmode; ++i) {
        if (res->modes[i].id == id) {
            return &res->modes[i];
        }
    }
    return nullptr;
}

// A mode of this size that the output accepts; its preferred modes come first in its list.
RRMode modeOfSize(XRRScreenResources *res, const XRROutputInfo &output, int width, int height)
{
    for (int i = 0; i < output.nmode; ++i) {
        const XRRModeInfo *mode = modeById(res, output.modes[i]);
        if (mode && int(mode->width) == width && int(mode->height) == height) {
            return mode->id;
        }
    }
    return 0;
}

struct Size {
    int width;
    int height;
};

// The screen must hold every lit monitor; the one being changed counts with its new size.
Size screenAround(Display *dpy, XRRScreenResources *res, RRCrtc changed, int x, int y, Size size)
{
    Size box{x + size.width, y + size.height};
    for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == changed) {
            continue;
        }
        CrtcInfo info(XRRGetCrtcInfo(dpy, res, res->crtcs[i]));
        if (info && info->mode != 0) {
            box.width = std::max(box.width, info->x + int(info->width));
            box.height = std::max(box.height, info->y + int(info->height));
        }
    }
    return box;
}

// Grows the screen first when the new layout needs room, sets the CRTC, then trims the screen,
// which is the only order the server accepts in both directions.
bool apply(Display *dpy, XRRScreenResources *res, const ScreenMode &to)
{
    const int screen = DefaultScreen(dpy);
    const int oldW = DisplayWidth(dpy, screen), oldH = DisplayHeight(dpy, screen);
    const int mmW = to.widthMm > 0 ? to.widthMm : DisplayWidthMM(dpy, screen) * to.width / oldW;
    const int mmH = to.heightMm > 0 ? to.heightMm : DisplayHeightMM(dpy, screen) * to.height / oldH;
    const Window root = DefaultRootWindow(dpy);
    std::vector<RROutput> outputs(to.outputs.begin(), to.outputs.end());

    XSync(dpy, False);
    lastError = 0;
    XErrorHandler previous = XSetErrorHandler(recordError);
    XGrabServer(dpy);
    if (to.width > oldW || to.height > oldH) {
        XRRSetScreenSize(dpy, root, std::max(oldW, to.width), std::max(oldH, to.height), mmW, mmH);
    }
    const Status set = XRRSetCrtcConfig(dpy, res, to.crtc, CurrentTime, to.x, to.y, to.mode,
                                        Rotation(to.rotation), outputs.data(), int(outputs.size()));
    if (set == RRSetConfigSuccess) {
        XRRSetScreenSize(dpy, root, to.width, to.height, std::max(mmW, 1), std::max(mmH, 1));
    }
    XUngrabServer(dpy);
    XSync(dpy, False);
    XSetErrorHandler(previous);
    return set == RRSetConfigSuccess && lastError == 0;
}

} // namespace

std::optional<ScreenMode> current(const char *display)
{
    Connection c(display);
    if (!c.dpy || !hasRandr12(c.dpy)) {
        return std::nullopt;
    }
    Resources res(XRRGetScreenResourcesCurrent(c.dpy, DefaultRootWindow(c.dpy)));
    const Target target = res ? mainOutput(c.dpy, res.get()) : Target{};
    if (!target.info) {
        return std::nullopt;
    }
    CrtcInfo crtc(XRRGetCrtcInfo(c.dpy, res.get(), target.info->crtc));
    if (!crtc || crtc->mode == 0) {
        return std::nullopt;
    }
    const int screen = DefaultScreen(c.dpy);
    ScreenMode mode;
    mode.crtc = target.info->crtc;
    mode.mode = crtc->mode;
    mode.x = crtc->x;
    mode.y = crtc->y;
    mode.rotation = crtc->rotation;
    mode.outputs.assign(crtc->outputs, crtc->outputs + crtc->noutput);
    mode.width = DisplayWidth(c.dpy, screen);
    mode.height = DisplayHeight(c.dpy, screen);
    mode.widthMm = DisplayWidthMM(c.dpy, screen);
    mode.heightMm = DisplayHeightMM(c.dpy, screen);
    return mode;
}

bool offers(const char *display, int width, int height)
{
    Connection c(display);
    if (!c.dpy || !hasRandr12(c.dpy)) {
        return false;
    }
    Resources res(XRRGetScreenResourcesCurrent(c.dpy, DefaultRootWindow(c.dpy)));
    const Target target = res ? mainOutput(c.dpy, res.get()) : Target{};
    return target.info && modeOfSize(res.get(), *target.info, width, height) != 0;
}

bool switchTo(const char *display, int width, int height)
{
    const auto now = current(display);
    Connection c(display);
    if (!now || !c.dpy) {
        return false;
    }
    Resources res(XRRGetScreenResourcesCurrent(c.dpy, DefaultRootWindow(c.dpy)));
    const Target target = res ? mainOutput(c.dpy, res.get()) : Target{};
    const RRMode mode = target.info ? modeOfSize(res.get(), *target.info, width, height) : 0;
    if (mode == 0) {
        return false;
    }
    ScreenMode to = *now;
    to.mode = mode;
    const Size lit = sideways(to.rotation) ? Size{height, width} : Size{width, height};
    const Size box = screenAround(c.dpy, res.get(), to.crtc, to.x, to.y, lit);
    to.width = box.width;
    to.height = box.height;
    to.widthMm = 0; // keep the screen's physical density
    to.heightMm = 0;
    return apply(c.dpy, res.get(), to);
}

bool restore(const char *display, const ScreenMode &mode)
{
    Connection c(display);
    if (!c.dpy || !hasRandr12(c.dpy)) {
        return false;
    }
    Resources res(XRRGetScreenResourcesCurrent(c.dpy, DefaultRootWindow(c.dpy)));
    return res && apply(c.dpy, res.get(), mode);
}

std::vector<std::string> toArgs(const ScreenMode &mode)
{
    std::vector<std::string> args;
    for (const long long value :
         {(long long)mode.crtc, (long long)mode.mode, (long long)mode.x, (long long)mode.y,
          (long long)mode.rotation, (long long)mode.width, (long long)mode.height,
          (long long)mode.widthMm, (long long)mode.heightMm}) {
        args.push_back(std::to_string(value));
    }
    for (const unsigned long output : mode.outputs) {
        args.push_back(std::to_string(output));
    }
    return args;
}

std::optional<ScreenMode> fromArgs(const std::vector<std::string> &args)
{
    if (args.size() < 10) {
        return std::nullopt;
    }
    std::vector<long long> v;
    for (const auto &a : args) {
        char *end = nullptr;
        const long long value = std::strtoll(a.c_str(), &end, 10);
        if (a.empty() || *end != '\0') {
            return std::nullopt;
        }
        v.push_back(value);
    }
    ScreenMode mode;
    mode.crtc = static_cast<unsigned long>(v[0]);
    mode.mode = static_cast<unsigned long>(v[1]);
    mode.x = int(v[2]);
    mode.y = int(v[3]);
    mode.rotation = int(v[4]);
    mode.width = int(v[5]);
    mode.height = int(v[6]);
    mode.widthMm = int(v[7]);
    mode.heightMm = int(v[8]);
    for (std::size_t i = 9; i < v.size(); ++i) {
        mode.outputs.push_back(static_cast<unsigned long>(v[i]));
    }
    return mode;
}

} // namespace slot::xmode
