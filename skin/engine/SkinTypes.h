#pragma once

// Enumerations of the skin descriptions. Their order is their ordinal, which
// is what a description holds before anything is read into it.

enum TlxStretchType { lxstFull, lxstHorz, lxstVert };

enum TlxMorphKind {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};

enum TlxInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

enum TlxStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };
