// The toolbar tables and the status-hint rule.
#include "app/toolbar_tables.h"

namespace curvanta {

namespace {
const ToolbarButton kSep{};
}

const std::vector<ToolbarButton>& Toolbar1Buttons() {
  static const std::vector<ToolbarButton> b = {
      kSep,
      {"barNew2D", "创建新的二维图形", "创建新的二维图形", "mnuFileNew2D"},
      {"barNew25D", "创建新的二维半图形", "创建新的二维半图形", "mnuFileNew25D"},
      {"barNew3D", "创建新的三维图形", "创建新的三维图形", "mnuFileNew3D"},
      kSep,
      {"barOpen", "打开文件", "打开文件", "mnuFileOpen"},
      {"barSave", "保存文件", "保存文件", "mnuFileSave"},
      {"barSaveAs", "文件另存为", "文件另存为", "mnuFileSaveAs"},
      kSep,
      {"barPrint", "打印", "打印", "mnuFilePrint"},
      kSep,
      {"barCut", "剪切", "剪切", "mnuEditCut"},
      {"barCopy", "复制", "复制", "mnuEditCopy"},
      {"barCopyAs", "按位图复制", "按位图复制", "mnuEditCopyAs"},
      {"barPaste", "粘贴", "粘贴", "mnuEditPaste"},
      {"varDel", "删除", "删除", "mnuEditDelete"},
      kSep,
      {"barHelp", "帮助", "帮助", "mnuHelpCon"},
      {"barAbout", "关于", "关于", "mnuHelpAbout"},
      kSep,
      kSep,
      {"barFunPoints", "添加点", "添加点", "mnuDrawPoint"},
      {"barFun2DCart", "添加二维直角坐标系函数图形", "添加二维直角坐标函数图形", "mnuDraw2DCart"},
      {"barFun2DPolar", "添加二维极坐标系函数图形", "添加二维极坐标函数图形", "mnuDraw2DPolar"},
      kSep,
      {"barFun25DCart", "添加二维半直角坐标系函数图形", "添加二维半直角坐标函数图形", "mnuDraw25DCart"},
      {"barFun25DPolar", "添加二维半极坐标系函数图形", "添加二维半极坐标函数图形", "mnuDraw25DPolar"},
      kSep,
      {"barFun3DCart", "添加三维直角坐标系函数图形", "添加三维直角坐标函数图形", "mnuDraw3DCart"},
      {"barFun3DCyl", "添加三维柱面坐标系函数图形", "添加三维柱面坐标函数图形", "mnuDraw3DCyl"},
      {"barFun3DSph", "添加三维球面坐标系函数图形", "添加三维球面坐标函数图形", "mnuDraw3DSph"},
      kSep,
      {"barTab2D", "添加二维表数据图形", "添加二维表数据图形", "mnuDrawTab2D"},
      {"barTab25D", "添加二维半表数据图形", "添加二维半表数据图形", "mnuDrawTab25D"},
      {"barTab3D", "添加三维表数据图形", "添加三维表数据图形", "mnuDrawTab3D"},
      kSep,
      {"barCoord", "修改坐标系统", "设置坐标系属性", "mnuDrawAxis"},
      {"barLight", "修改光照属性", "设置光照属性", "mnuDrawLight"},
  };
  return b;
}

const std::vector<ToolbarButton>& Toolbar2Buttons() {
  static const std::vector<ToolbarButton> b = {
      kSep,
      {"barAniPoints", "添加点动画", "添加点动画", "mnuAniPoint"},
      {"barAniFun2DCart", "添加二维直角坐标系函数图形动画", "添加二维直角坐标函数图形动画", "mnuAniCur2DCart"},
      {"barAniFun2DPolar", "添加二维极坐标系函数图形动画", "添加二维极坐标函数图形动画", "mnuAniCur2DPol"},
      kSep,
      {"barAniFun25DCart", "添加二维半直角坐标系函数图形动画", "添加二维半直角坐标函数图形动画",
       "mnuAni25DCurCart"},
      {"barAniFun25DPolar", "添加二维半极坐标系函数图形动画", "添加二维半极坐标函数图形动画",
       "mnuAni25DCurPol"},
      kSep,
      {"barAniFun3DCart", "添加三维直角坐标系函数图形动画", "添加三维直角坐标函数图形动画", "mnuAniSurCart"},
      {"barAniFun3DCyl", "添加三维柱面坐标系函数图形动画", "添加三维柱面坐标函数图形动画", "mnuAniSurCyl"},
      {"barAniFun3DSph", "添加三维球面坐标系函数图形动画", "添加三维球面坐标函数图形动画", "mnuAniSurSph"},
      kSep,
      {"AniStart", "开始动画", "开始动画", "mnuAniStartb"},
      {"AniPause", "暂停动画", "暂停动画", "mnuAniPause"},
      {"AniStop", "停止动画", "停止动画", "mnuAniStop"},
      {"AniFirst", "第一帧", "显示第一帧", "mnuAniFirst"},
      {"AniPre", "前一帧", "显示前一帧", "mnuAniPre"},
      {"AniNext", "后一帧", "显示后一帧", "mnuAniNext"},
      {"AniEnd", "最后一帧", "显示最后一帧", "mnuAniLast"},
      {"AniNormal", "正向模式", "正向演示一次动画", "mnuAniNormal"},
      {"AniReverse", "逆向模式", "逆向演示一次动画", "mnuAniRev"},
      {"AniNormalRepeat", "正向循环模式", "正向循环动画", "mnuAniRepeat"},
      {"AniReverseRepeat", "逆向循环模式", "逆向循环动画", "mnuAniRevRepeat"},
  };
  return b;
}

const std::vector<ToolbarButton>& Toolbar3Buttons() {
  static const std::vector<ToolbarButton> b = {
      {"barViewFront", "前视图", "前视图", "mnuViewFront"},
      {"barViewRight", "右视图", "右视图", "mnuViewRight"},
      {"barViewTop", "上视图", "上视图", "mnuViewTop"},
      {"barViewISO", "ISO视图", "ISO视图", "mnuViewISO"},
      kSep,
      {"barViewOrtho", "正交投影", "正交投影", "viewOrtho"},
      {"barViewPer", "透视投影", "透视投影", "viewPerspective"},
      kSep,
      {"barMove", "平移", "平移", "mnuViewMove"},
      {"barZoom", "缩小或放大", "缩放", "mnuViewZoom"},
      {"barZoomAll", "缩小或放大到合适大小", "缩放到合适大小", "mnuViewFit"},
      {"barTrackBall", "旋转", "旋转", "mnuViewRotate"},
      kSep,
      {"barModelPoint", "点模型", "点模型", "modelPoint"},
      {"barModelGrid", "线框模型", "线模型", "modelGrid"},
      {"barModelSur", "曲面模型", "曲面模型", "modelSurface"},
      kSep,
      {"bar3DFlat", "刻面", "刻面模型", "shadeFlat"},
      {"bar3DSmooth", "较平滑", "较平滑的模型", "shadeSmooth"},
      {"bar3DSmoothest", "最平滑", "最平滑的模型", "shadeSmoothest"},
  };
  return b;
}

std::optional<std::string> HintAt(const std::vector<ToolbarButton>& buttons,
                                  const std::vector<ButtonExtent>& extents, int along, int across,
                                  int bandStart, int bandLength) {
  if (!(bandStart < across && across < bandStart + bandLength)) return std::nullopt;
  for (size_t i = 0; i < buttons.size() && i < extents.size(); ++i) {
    if (buttons[i].separator()) continue;
    const ButtonExtent& e = extents[i];
    if (e.start < along && along < e.start + e.length) return std::string(buttons[i].hint);
  }
  return std::string(kReadyHint);
}

}  // namespace curvanta
