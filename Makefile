# The two commands: `make run` and `make test`. Everything else is here to serve them.
NATIVE := build/native
WIN    := build/win

.PHONY: run test deps native win prefix clean gallery bench dist lang-check

run: win prefix
	tools/run_clock.sh

test: native win prefix
	tools/run_tests.sh

deps:
	tools/install_deps.sh

native: deps
	@[ -f $(NATIVE)/build.ninja ] || cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTREL_SANITIZE=ON
	cmake --build $(NATIVE)

win: deps
	@[ -f $(WIN)/build.ninja ] || cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN)

prefix: deps
	bash -c 'source tools/wine_env.sh && vistrel_prepare_prefix'

clean:
	rm -rf $(NATIVE) $(WIN)

# The face in every style on one sheet (build/gallery.png), and the render timings.
gallery: win prefix
	tools/gallery.sh

bench: win prefix
	tools/render_bench.sh

# The release package: build/dist/Vistrel-<version>-win64.zip.
dist: win
	tools/make_dist.sh

# The translators' check of a translation file against the program's texts:
# `make lang-check LANG_FILE=lang/fr.txt` (lang/en.txt when not given).
LANG_FILE ?= lang/en.txt
lang-check: native
	$(NATIVE)/lang_check $(LANG_FILE)
