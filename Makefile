# The commands of the README.
.PHONY: demo test check package format

demo:
	scripts/demo.sh

test:
	scripts/test.sh

check:
	scripts/check.sh

package:
	scripts/package.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
