# The two commands of this project. Both install what they need first
# (scripts/setup-deps.sh, as root on Debian 12). `fuzz` and `soak` are the
# long reliability runs, not part of `test`.
.PHONY: demo test native reference package fuzz soak bench clean

demo:
	scripts/demo.sh

test:
	scripts/run-tests.sh

# Writes docs/reference again from the member table and, for the Windows
# Forms page, from the built assembly (make test checks both).
reference:
	cmake --preset native >/dev/null && cmake --build --preset native --target reference_manual dotnet_reference -j2
	build/native/tools/reference/reference_manual src/activex/brixeldemo.idl docs/reference
	scripts/dotnet-reference.sh build/native/dotnet docs/reference

# dist/brixeldemo-<version>.zip: both controls, both brixel.dll, the Windows
# Forms assembly, the registration scripts, the documentation and the samples;
# and dist/Korvane.Nimbara.BrixelDemo.<version>.nupkg for NuGet users.
package:
	scripts/package.sh

# Every fuzz target for FUZZ_SECONDS each (default 600); table in fuzz/results.txt.
fuzz:
	scripts/fuzz-campaign.sh

# Reference-count cycles and the leak soak under Wine (SOAK_CYCLES, SOAK_CONTROLS).
soak:
	scripts/soak.sh

# The benchmarks of the native tree, each ending with its ratio line, then the
# repaint benchmark under Wine: the control against the system button.
bench:
	cmake --preset native >/dev/null && cmake --build --preset native -j2 \
	  --target menu_tree_bench pixel_face_bench abi_paint_bench paint_steps_bench
	build/native/bench/pixel_face_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
	build/native/bench/paint_steps_bench
	build/native/bench/abi_paint_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	scripts/bench.sh

native:
	cmake --preset native && cmake --build --preset native -j2 && ctest --preset native

clean:
	rm -rf build
