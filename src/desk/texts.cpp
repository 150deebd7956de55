// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun::desk {

const char kTipName[] = "Tezun";
const char kTitle[] = "TezunDesk";
const char kMenuRefresh[] = "今すぐ更新";
const char kMenuSettings[] = "設定...";
const char kMenuPicture[] = "壁紙の画像...";
const char kMenuAutostart[] = "Windows の起動時に開始";
const char kMenuSubscribe[] = "予定の購読...";
const char kMenuRestore[] = "元の壁紙に戻す";
const char kMenuExit[] = "終了";
const char kUsage[] =
    "使い方: TezunDesk.exe [スイッチ]\n"
    "  (なし)                 通知領域に常駐し、壁紙のカレンダーを毎日更新します\n"
    "  /once                  壁紙を一度作って設定し、終了します\n"
    "  /picture ファイル      飾る画像を決めます (/once と一緒なら続けて設定します)\n"
    "  /settings              設定画面を開き、OK なら壁紙を作り直します\n"
    "  /autostart on | off    Windows の起動時に開始するかどうかを決めます\n"
    "  /restore               元の壁紙に戻し、常駐している TezunDesk を終了します\n"
    "  /subscribe アドレス    予定表 (iCalendar) を購読し、その予定を表示します\n"
    "  /unsubscribe アドレス  予定表の購読をやめます\n";
// The open dialog's filter: pairs of a description and its patterns, each ending in NUL.
const char kPictureFilter[] =
    "画像 (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff)\0*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.tif;*.tiff\0"
    "すべてのファイル (*.*)\0*.*\0";

const char kCannotReadPicture[] = "壁紙の画像を読み込めません: ";
const char kNoSuchFile[] = "ファイルがありません。";
const char kNotAPicture[] = "画像のファイルではないか、読めない形式です。";
const char kDamagedPicture[] = "ファイルが壊れているか、途中で切れています。";
const char kTooLarge[] = "画像が大きすぎて、メモリに読み込めません";
const char kNoMemory[] = "メモリが足りません。";
const char kCannotWrite[] = "壁紙のファイルを書き込めません: ";
const char kCannotSet[] = "Windows に壁紙を設定できません: ";
const char kCannotLoadPlugin[] = "Tezun.bpi を読み込めません。TezunDesk.exe と同じフォルダーに置いてください: ";
const char kPluginLacks[] = "Tezun.bpi に次の関数がありません: ";
const char kPluginGaveNothing[] = "Tezun.bpi が壁紙を返しませんでした。";
const char kAnotherIsWriting[] = "ほかの TezunDesk が壁紙を書き込み中のため、待ちきれませんでした。";
const char kErrorCode[] = "エラー ";
const char kSlideshowOn[] = "壁紙のスライドショーか Windows スポットライトが有効なので、壁紙はそのままにしています。";
const char kPaused[] = "一時停止中";
const char kNothingRemembered[] = "元に戻す壁紙が記録されていません。壁紙は変えていません。";
const char kCannotRestore[] = "元の壁紙に戻せません: ";

const char kSubscribeTitle[] = "予定の購読";
const char kSubscribePrompt[] = "予定表 (iCalendar) のアドレス (https:// または webcal://):";
const char kUnsubscribeText[] = "購読をやめる";
const char kCancel[] = "キャンセル";
const char kAddressRefused[] = "このアドレスは使えません: ";
const char kAddressEmpty[] = "アドレスを入力してください。";
const char kAddressNotWeb[] = "https:// か webcal:// で始まるアドレスを入力してください。";
const char kAddressPlainHttp[] =
    "http:// は、このコンピューター (127.0.0.1、::1、localhost) にしか使えません。"
    "ほかのサーバーには https:// を使ってください。";
const char kAddressNoHost[] = "サーバーの名前がありません。";
const char kAddressBadPort[] = "ポート番号が正しくありません。";
const char kAddressCredentials[] = "ユーザー名やパスワードを含むアドレスは使えません。";
const char kAddressBadCharacter[] = "空白や制御文字が含まれています。";
const char kNotSubscribed[] = "このアドレスの予定表は購読していません。";
const char kSubscriptionName[] = "購読 ";
const char kCannotFetch[] = "予定表を更新できません (前回取得した内容を表示しています): ";
const char kCannotWriteCalendar[] = "予定表のファイルを書き込めません: ";
const char kNothingFetchedYet[] = "予定表をまだ取得できていません: ";
const char kNotACalendar[] = "予定表 (iCalendar) ではない内容が返されました。";
const char kCalendarTooLarge[] = "予定表が 50 MB を超えています。";
const char kServerAnswered[] = "サーバーの答え: HTTP ";
const char kCannotNameFolder[] = "Tezun の Events に予定の購読のフォルダーを書き込めません: ";
const char kFolderBeyondShiftJis[] = "フォルダーの名前を Shift-JIS で表せません。";
const char kEventsTooLong[] = "予定の場所が合わせて 32 KiB を超えてしまいます。";

}  // namespace tezun::desk
