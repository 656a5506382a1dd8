// Gallery pages of the start-up windows.
#include "shell/options_window.h"
#include "shell/splash_window.h"
#include "tools/gallery.h"

namespace quorelin::gallery {

bool RenderShell(const QString& dir) {
    bool ok = true;
    SplashWindow splash;
    for (int language = 1; language <= 5; ++language) {
        splash.SetLanguage(language);
        ok &= Save(splash, dir, QString("splash-lang%1").arg(language));
    }
    OptionsWindow options;
    options.ShowSlowStartHint(4);
    ok &= Save(options, dir, "options-slow-start-frisian");
    return ok;
}

}  // namespace quorelin::gallery
