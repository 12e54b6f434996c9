#include "ui/MediaPlayer.h"

#include "base/AppError.h"
#include "ui/DelayLoad.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <vector>

namespace ui {

std::string MciErrorText(MCIERROR code) {
    std::vector<wchar_t> buffer(4096, L'\0');
    if (::mciGetErrorStringW(code, buffer.data(), static_cast<UINT>(buffer.size())) && buffer[0])
        return Narrow(buffer.data());
    return "原因不明のｴﾗｰ";
}

MediaPlayer::MediaPlayer() {
    CreateParams p{"TMediaPlayer"};
    p.style = 0;
    p.owner = HWND_MESSAGE;
    CreateHandle(p);
}

MediaPlayer::~MediaPlayer() {
    Close();
    Destroy();
}

void MediaPlayer::Open() {
    RequireLibrary(L"winmm.dll");
    if (open_)
        Close();
    const std::wstring element = WidePath(FileName);
    MCI_OPEN_PARMSW parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    parms.lpstrDeviceType = L"WaveAudio";
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT;
    if (!FileName.empty()) {
        parms.lpstrElementName = element.c_str();
        flags |= MCI_OPEN_ELEMENT;
    }
    lastError_ = ::mciSendCommandW(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parms));
    // Some wave drivers (Wine's among them) cannot share a device and refuse the flag itself;
    // every open makes a device of its own anyway, so the sound then plays unshared.
    if (lastError_ == MCIERR_UNSUPPORTED_FUNCTION)
        lastError_ =
            ::mciSendCommandW(0, MCI_OPEN, flags & ~MCI_OPEN_SHAREABLE, reinterpret_cast<DWORD_PTR>(&parms));
    if (lastError_)
        throw AppError(MciErrorText(lastError_));
    device_ = parms.wDeviceID;
    open_ = true;
    notifyValue_ = 0;
}

void MediaPlayer::Play() {
    if (!open_)
        return;
    MCI_PLAY_PARMS parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    lastError_ = ::mciSendCommandW(device_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&parms));
}

void MediaPlayer::Stop() {
    if (!open_)
        throw AppError("MCI ﾃﾞﾊﾞｲｽがありません");
    MCI_GENERIC_PARMS parms{};
    lastError_ = ::mciSendCommandW(device_, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

void MediaPlayer::Close() {
    if (!open_)
        return;
    MCI_GENERIC_PARMS parms{};
    ::mciSendCommandW(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
    open_ = false;
    device_ = 0;
    // The notice of a play cut off by the close is already queued; the next device may get the
    // same identifier, so it must not reach that one.
    MSG stale;
    while (Handle() && ::PeekMessageW(&stale, Handle(), MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
}

LRESULT MediaPlayer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == MM_MCINOTIFY) {
        if (open_ && static_cast<MCIDEVICEID>(lp) == device_)
            notifyValue_ = static_cast<UINT>(wp);
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}

} // namespace ui
