# The two commands of this project. Both install what they need first
# (scripts/setup-deps.sh, as root on Debian 12).
.PHONY: demo test native reference package clean

demo:
	scripts/demo.sh

test:
	scripts/run-tests.sh

# Writes docs/reference again from the member table (make test checks it).
reference:
	cmake --preset native >/dev/null && cmake --build --preset native --target reference_manual -j2
	build/native/tools/reference/reference_manual src/activex/brixeldemo.idl docs/reference

# dist/brixeldemo-<version>.zip: both controls, the registration scripts,
# the documentation and the samples.
package:
	scripts/package.sh

native:
	cmake --preset native && cmake --build --preset native -j2 && ctest --preset native

clean:
	rm -rf build
