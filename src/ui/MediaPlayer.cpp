#include "ui/MediaPlayer.h"

#include "base/AppError.h"

#include <vector>

std::string MciErrorText(MCIERROR code) {
    std::vector<char> buffer(4096, '\0');
    if (::mciGetErrorStringA(code, buffer.data(), static_cast<UINT>(buffer.size())) && buffer[0])
        return buffer.data();
    return "原因不明のｴﾗｰ";
}

void MediaPlayer::Open() {
    if (open_)
        Close();
    MCI_OPEN_PARMSA parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow);
    parms.lpstrDeviceType = "WaveAudio";
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT;
    if (!FileName.empty()) {
        parms.lpstrElementName = FileName.c_str();
        flags |= MCI_OPEN_ELEMENT;
    }
    lastError_ = ::mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parms));
    if (lastError_)
        throw AppError(MciErrorText(lastError_));
    device_ = parms.wDeviceID;
    open_ = true;
}

void MediaPlayer::Play() {
    if (!open_)
        return;
    MCI_PLAY_PARMS parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow);
    lastError_ = ::mciSendCommandA(device_, MCI_PLAY, NotifyWindow ? MCI_NOTIFY : 0,
                                   reinterpret_cast<DWORD_PTR>(&parms));
}

void MediaPlayer::Stop() {
    if (!open_)
        throw AppError("MCI ﾃﾞﾊﾞｲｽがありません");
    MCI_GENERIC_PARMS parms{};
    lastError_ = ::mciSendCommandA(device_, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

void MediaPlayer::Close() {
    if (!open_)
        return;
    MCI_GENERIC_PARMS parms{};
    ::mciSendCommandA(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
    open_ = false;
    device_ = 0;
}
