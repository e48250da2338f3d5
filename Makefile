# The two commands of the README.
.PHONY: demo test format

demo:
	scripts/demo.sh

test:
	scripts/test.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
