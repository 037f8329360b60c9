#pragma once
// The maker's page for this program: opened by the web-site command and named in the last tip.
namespace quillora::desktop {

inline constexpr char kWebSiteUrl[] = "https://www.brenmoor.example/quillora/";

}  // namespace quillora::desktop
