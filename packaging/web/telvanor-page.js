// The page Telvanor runs in: it checks that the browser can run the program, downloads it
// with its progress on show, starts it on the canvas, follows its windows (the page's title,
// an announcement for screen readers) and says so when the program ends or fails.
// window.telvanor tells the page's state and the windows on show, for whoever drives it.
"use strict";

const telvanor = {state: "loading", windows: [], firstPaint: undefined};
window.telvanor = telvanor;

const canvas = document.getElementById("screen");
const notice = document.getElementById("notice");

function show(element, shown) {
    element.hidden = !shown;
}

// Replaces what the page shows by a message, with the button that starts again where the
// program has run.
function say(text, offerRestart) {
    canvas.hidden = true;
    show(notice, true);
    show(document.getElementById("loading"), false);
    show(document.getElementById("message"), true);
    document.getElementById("message-text").textContent = text;
    const again = document.getElementById("again");
    show(again, offerRestart);
    if (offerRestart)
        again.focus();
}

function fail(text, offerRestart) {
    if (telvanor.state === "failed" || telvanor.state === "ended")
        return;
    telvanor.state = "failed";
    say(text, offerRestart);
}

function webGLWorks() {
    try {
        const probe = document.createElement("canvas");
        return !!(probe.getContext("webgl") || probe.getContext("experimental-webgl"));
    } catch (error) {
        return false;
    }
}

function megabytes(bytes) {
    return (bytes / 1e6).toLocaleString("es", {minimumFractionDigits: 1, maximumFractionDigits: 1});
}

// The program's code, read as it arrives so that the progress bar follows the download. The
// size is that of the file itself, written into the page when it is packed: a server that
// compresses the download announces the smaller size.
async function download(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(response.status + " " + response.statusText);
    const size = Number(document.body.dataset.wasmSize) || 0;
    const progress = document.getElementById("progress");
    const amount = document.getElementById("loading-amount");
    const parts = [];
    let received = 0;
    const reader = response.body.getReader();
    for (;;) {
        const {done, value} = await reader.read();
        if (done)
            break;
        parts.push(value);
        received += value.length;
        if (size) {
            progress.value = Math.min(1, received / size);
            amount.textContent = megabytes(received) + " MB de " + megabytes(size) + " MB";
        }
    }
    return new Blob(parts).arrayBuffer();
}

function loadScript(url) {
    return new Promise((resolve, reject) => {
        const script = document.createElement("script");
        script.src = url;
        script.onload = resolve;
        script.onerror = () => reject(new Error(url));
        document.body.appendChild(script);
    });
}

function titleOf(window) {
    return window.title === "Telvanor" ? "Telvanor" : window.title + " — Telvanor";
}

// What the program tells the page.
const page = {
    windowsChanged(json) {
        telvanor.windows = JSON.parse(json);
        const active = telvanor.windows.find(window => window.active);
        if (active && document.title !== titleOf(active)) {
            document.title = titleOf(active);
            document.getElementById("window-announcement").textContent = active.title;
        }
        if (telvanor.firstPaint === undefined && telvanor.windows.some(window => window.exposed)) {
            telvanor.firstPaint = null;
            requestAnimationFrame(() => { telvanor.firstPaint = performance.now(); });
        }
    },
    ended() {
        telvanor.state = "ended";
        telvanor.windows = [];
        document.title = "Telvanor";
        say("Telvanor ha terminado. Gracias por realizar la prueba.", true);
    },
};

async function start() {
    if (typeof WebAssembly !== "object") {
        fail("Este navegador no admite WebAssembly, que Telvanor necesita. Abra la página " +
             "en una versión reciente de Firefox, Chrome, Edge o Safari.", false);
        return;
    }
    if (!webGLWorks()) {
        fail("Este navegador tiene desactivado WebGL, con el que Telvanor dibuja sus ventanas. " +
             "Active WebGL o abra la página en otro navegador.", false);
        return;
    }
    let code;
    try {
        [code] = await Promise.all([download("telvanor.wasm"), loadScript("telvanor.js")]);
        document.getElementById("loading-step").textContent = "Preparando el programa…";
        code = await WebAssembly.compile(code);
    } catch (error) {
        fail("No se pudo descargar Telvanor (" + error.message + "). " +
             "Compruebe la conexión y vuelva a cargar la página.", false);
        return;
    }
    show(notice, false);
    canvas.hidden = false;
    canvas.focus();
    telvanor.state = "running";
    await createQtAppInstance({
        qtContainerElements: [canvas],
        qtFontDpi: 96,
        telvanorPage: page,
        instantiateWasm(imports, done) {
            WebAssembly.instantiate(code, imports).then(instance => done(instance, code));
            return {};
        },
        print: text => console.log(text),
        printErr: text => console.warn(text),
        onAbort: () => fail("Telvanor se ha detenido por un error inesperado.", true),
    });
}

document.getElementById("again").addEventListener("click", () => location.reload());
// The windows take the keyboard wherever the page is clicked.
canvas.addEventListener("pointerdown", () => canvas.focus());
start().catch(error => fail("Telvanor se ha detenido por un error inesperado (" + error.message + ").", true));
