# The commands of the README.
.PHONY: demo test package format

demo:
	scripts/demo.sh

test:
	scripts/test.sh

package:
	scripts/package.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
