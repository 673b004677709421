#pragma once

// The translation package of the two-thread test program twinui.exe: its window captions, menu
// items and the texts its second thread sets.

#include <string>

#include "package.h"

inline bool Twin_Package_Bytes(std::string* bytes) {
  return Package_Bytes({{"Twin Main", "双线主窗"},
                        {"Twin Second", "双线副窗"},
                        {"&File", "文件(&F)"},
                        {"E&xit", "退出(&X)"},
                        {"&Open", "打开(&O)"},
                        {"Ready", "就绪"},
                        {"Waiting", "等待中"},
                        {"Working", "工作中"}},
                       bytes);
}
