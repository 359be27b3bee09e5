#!/usr/bin/env bash
# Static checks over the native build: clang-format, clang-tidy and cppcheck. Prints every finding and
# fails when there is one.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-packages.sh
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$(nproc)" >/dev/null || exit 1

status=0
sources=$(git ls-files '*.h' '*.cpp')
native_sources=$(git ls-files ':(glob)ui/*.cpp' ':(glob)ui/headless/*.cpp' ':(glob)wizard/*.cpp' \
    ':(glob)engine/*.cpp' ':(glob)platform/fake/*.cpp' 'setup/SetupDlg.cpp' ':(glob)tests/native/*.cpp' \
    ':(glob)tests/contract/*.cpp')

echo "== clang-format"
clang-format --dry-run --Werror $sources || status=1

# clang knows no code page but UTF-8: the same commands, without the GBK execution character set.
mkdir -p build/tidy
sed 's/-fexec-charset=GBK//g' build/native/compile_commands.json >build/tidy/compile_commands.json
echo "== clang-tidy"
tidy=$(clang-tidy -p build/tidy --quiet $native_sources 2>/dev/null | grep -E "(warning|error):")
[ -z "$tidy" ] || { echo "$tidy"; status=1; }

echo "== cppcheck"
cppcheck --enable=warning,performance,portability --std=c++17 --language=c++ --inline-suppr --quiet \
    --error-exitcode=1 --suppress=missingIncludeSystem -I winapi/native -I . \
    ui/*.cpp ui/headless wizard engine platform/fake setup/SetupDlg.cpp || status=1

exit $status
