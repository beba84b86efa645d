// The window as it is created: controls at their design places, sizes, colours, fonts and
// captions, and the menu tree with its initial check marks and greyed items.
#include <QIcon>
#include <QImage>

#include "shell/frmStopwatch.h"

using platform::Checkable;

namespace {
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
constexpr bool kChecked = true;
constexpr bool kUnchecked = false;
constexpr bool kDisabled = false;
}  // namespace

frmStopwatch::frmStopwatch(platform::Environment env)
    : Form(std::move(env), QStringLiteral("Tamoruｽﾄｯﾌﾟｳｫｯﾁ"), kWhite),
      imgNumber(*this, QStringLiteral("imgNumber"), {180, 2880, 2655, 555},
                QStringLiteral("digits"), kWhite),
      cmdLap(*this, QStringLiteral("cmdLap"), {2040, 4500, 1755, 495}, QStringLiteral("リセット"),
             QColor(128, 255, 128)),
      tmrClock(this, [this] { tmrClock_Timer(); }),
      lstLap(*this, QStringLiteral("lstLap"), {60, 5040, 3735, 975},
             platform::japaneseFixedFont(15.75)),
      cmdStart(*this, QStringLiteral("cmdStart"), {60, 4500, 1755, 495}, QStringLiteral("スタート"),
               QColor(255, 255, 128)),
      imgWatch(*this, QStringLiteral("imgWatch"), {60, 60, 3750, 3750}, QStringLiteral("face"),
               kWhite),
      lblTime(*this, QStringLiteral("lblTime"), {60, 3900, 3735, 495}, QStringLiteral("Label1"),
              platform::japaneseFixedFont(18), kWhite, kBlack),
      mnuFile(*this, QStringLiteral("mnuFile"), QStringLiteral("ﾌｧｲﾙ")),
      mnuExportTimesheet(mnuFile, QStringLiteral("mnuExportTimesheet"),
                         QStringLiteral("ﾀｲﾑｼｰﾄ書き出し..."), Checkable::No, false, false),
      mnuQuit(mnuFile, QStringLiteral("mnuQuit"), QStringLiteral("終了"), Checkable::No),
      mnuSetting(*this, QStringLiteral("mnuSetting"), QStringLiteral("設定")),
      mnuBehaviorMode(mnuSetting, QStringLiteral("mnuBehaviorMode"), QStringLiteral("動作ﾓｰﾄﾞ")),
      mnuBehaviorNormal(mnuBehaviorMode, QStringLiteral("mnuBehaviorNormal"),
                        QStringLiteral("通常"), Checkable::Yes, kChecked),
      mnuBehaviorLap(mnuBehaviorMode, QStringLiteral("mnuBehaviorLap"), QStringLiteral("ﾗｯﾌﾟ計測"),
                     Checkable::Yes, kChecked),
      mnuSound(mnuSetting, QStringLiteral("mnuSound"), QStringLiteral("動作音")),
      mnuSoundOn(mnuSound, QStringLiteral("mnuSoundOn"), QStringLiteral("する"), Checkable::Yes,
                 kChecked),
      mnuSoundOff(mnuSound, QStringLiteral("mnuSoundOff"), QStringLiteral("しない"), Checkable::Yes,
                  kChecked),
      mnuShowWatch(mnuSetting, QStringLiteral("mnuShowWatch"), QStringLiteral("表示")),
      mnuShowButton(mnuShowWatch, QStringLiteral("mnuShowButton"), QStringLiteral("ﾎﾞﾀﾝ"),
                    Checkable::Yes, kChecked),
      mnuShowDigitalWatch(mnuShowWatch, QStringLiteral("mnuShowDigitalWatch"),
                          QStringLiteral("ﾃﾞｼﾞﾀﾙ計"), Checkable::Yes, kChecked),
      mnuShowAnalogWatch(mnuShowWatch, QStringLiteral("mnuShowAnalogWatch"),
                         QStringLiteral("ｱﾅﾛｸﾞ計"), Checkable::Yes, kChecked),
      mnuShowMode(mnuSetting, QStringLiteral("mnuShowMode"), QStringLiteral("ﾗｯﾌﾟ表示形式")),
      mnuShowSec(mnuShowMode, QStringLiteral("mnuShowSec"), QStringLiteral("秒"), Checkable::Yes,
                 kChecked),
      mnuShowHMS(mnuShowMode, QStringLiteral("mnuShowHMS"), QStringLiteral("時分秒"),
                 Checkable::Yes, kChecked),
      mnuShowFrame24(mnuShowMode, QStringLiteral("mnuShowFrame24"), QStringLiteral("ｺﾏ数"),
                     Checkable::Yes, kChecked),
      mnuShowSSK(mnuShowMode, QStringLiteral("mnuShowSSK"), QStringLiteral("ｼｰﾄ:秒:ｺﾏ"),
                 Checkable::Yes, kChecked),
      mnuSecond(mnuSetting, QStringLiteral("mnuSecond"), QStringLiteral("ｱﾅﾛｸﾞ秒数")),
      mnu6Sec(mnuSecond, QStringLiteral("mnu6Sec"), QStringLiteral("6秒"), Checkable::Yes,
              kChecked),
      mnu10Sec(mnuSecond, QStringLiteral("mnu10Sec"), QStringLiteral("10秒"), Checkable::Yes,
               kChecked, kDisabled),
      mnu30Sec(mnuSecond, QStringLiteral("mnu30Sec"), QStringLiteral("30秒"), Checkable::Yes,
               kChecked, kDisabled),
      mnuWindowApearance(*this, QStringLiteral("mnuWindowApearance"), QStringLiteral("ｳｨﾝﾄﾞｳ")),
      mnuWindowApearanceNormal(mnuWindowApearance, QStringLiteral("mnuWindowApearanceNormal"),
                               QStringLiteral("通常表示"), Checkable::Yes, kChecked),
      mnuWindowApearanceFront(mnuWindowApearance, QStringLiteral("mnuWindowApearanceFront"),
                              QStringLiteral("常に手前に表示"), Checkable::Yes, kChecked),
      mnuHelp(*this, QStringLiteral("mnuHelp"), QStringLiteral("ﾍﾙﾌﾟ")),
      mnuShowHelp(mnuHelp, QStringLiteral("mnuShowHelp"), QStringLiteral("ﾍﾙﾌﾟ"), Checkable::No,
                  kUnchecked, kDisabled) {
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size));
    setWindowIcon(icon);
    imgNumber.setVisible(false);
    imgWatch.setAccessibleName(QStringLiteral("アナログ計"));
    lstLap.setAccessibleName(QStringLiteral("ラップ一覧"));
    setClientSize(3870, 6300);
    wireHandlers();
}

void frmStopwatch::wireHandlers() {
    using namespace std::placeholders;
    onMouse(std::bind(&frmStopwatch::Form_MouseDown, this, _1, _2, _3, _4),
            [this] { Form_DblClick(); });
    imgWatch.onMouse(std::bind(&frmStopwatch::imgWatch_MouseDown, this, _1, _2, _3, _4),
                     [this] { imgWatch_DblClick(); });
    lblTime.onMouse(std::bind(&frmStopwatch::lblTime_MouseDown, this, _1, _2, _3, _4),
                    [this] { lblTime_DblClick(); });
    lstLap.onMouse(std::bind(&frmStopwatch::lstLap_MouseDown, this, _1, _2, _3, _4),
                   [this] { lstLap_DblClick(); });
    cmdStart.onClick([this] { cmdStart_Click(); });
    cmdLap.onClick([this] { cmdLap_Click(); });
    // The keyboard drives the two buttons from anywhere in the window; the buttons themselves
    // take no focus, so a key never reaches them as well.
    onKey(QKeySequence(Qt::Key_Space), [this] { cmdStart_Click(); });
    onKey(QKeySequence(Qt::Key_Return), [this] { cmdLap_Click(); });
    onKey(QKeySequence(Qt::Key_Enter), [this] { cmdLap_Click(); });
    onKey(QKeySequence::Copy, [this] { copyLapLines(); });
    onKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyTimingTable(); });
    mnuExportTimesheet.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuExportTimesheet.onClick([this] { mnuExportTimesheet_Click(); });
    lstLap.setLineDescription([this](int index) { return describeLapLine(index); });
    mnuQuit.onClick([this] { mnuQuit_Click(); });
    mnuSoundOn.onClick([this] { mnuSoundOn_Click(); });
    mnuSoundOff.onClick([this] { mnuSoundOff_Click(); });
    mnuShowButton.onClick([this] { mnuShowButton_Click(); });
    mnuShowDigitalWatch.onClick([this] { mnuShowDigitalWatch_Click(); });
    mnuShowAnalogWatch.onClick([this] { mnuShowAnalogWatch_Click(); });
    mnuWindowApearanceNormal.onClick([this] { mnuWindowApearanceNormal_Click(); });
    mnuWindowApearanceFront.onClick([this] { mnuWindowApearanceFront_Click(); });
    mnuBehaviorNormal.onClick([this] { mnuBehaviorNormal_Click(); });
    mnuBehaviorLap.onClick([this] { mnuBehaviorLap_Click(); });
    mnu6Sec.onClick([this] { mnu6Sec_Click(); });
    mnu10Sec.onClick([this] { mnu10Sec_Click(); });
    mnu30Sec.onClick([this] { mnu30Sec_Click(); });
    mnuShowSec.onClick([this] { mnuShowSec_Click(); });
    mnuShowHMS.onClick([this] { mnuShowHMS_Click(); });
    mnuShowFrame24.onClick([this] { mnuShowFrame24_Click(); });
    mnuShowSSK.onClick([this] { mnuShowSSK_Click(); });
}

void frmStopwatch::reportFailure(const QString& text) {
    ++openMessageBoxes_;
    env().showCriticalMessage(text);
    --openMessageBoxes_;
}
