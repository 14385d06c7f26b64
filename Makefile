# The two commands of this project. Both install what they need first
# (scripts/setup-deps.sh, as root on Debian 12).
.PHONY: demo test native clean

demo:
	scripts/demo.sh

test:
	scripts/run-tests.sh

native:
	cmake --preset native && cmake --build --preset native -j2 && ctest --preset native

clean:
	rm -rf build
