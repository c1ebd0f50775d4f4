#include "userfiles/user_file_ops.h"

namespace userfiles {

bool ReplaceFile(const FileOps& ops, const std::wstring& folder, const std::wstring& name,
                 const std::string& bytes) {
  if (folder.empty() || !ops.write || !ops.replace) return false;
  if (ops.makeFolder && !ops.makeFolder(folder)) return false;
  const std::wstring path = folder + name;
  const std::wstring fresh = path + L".new";
  if (!ops.write(fresh, bytes) || !ops.replace(fresh, path)) {
    if (ops.remove) ops.remove(fresh);
    return false;
  }
  return true;
}

}  // namespace userfiles
