// Drives one headless Chromium on one page for the web tests and the web benchmark, taking
// one command a line on its standard input and answering each with one line of JSON
// ({"ok": true, "value": ...} or {"ok": false, "error": "..."}):
//   node browser.mjs chromium URL WIDTH HEIGHT DEVICE_PIXEL_RATIO [BROWSER_FLAG...]
//       [--without-webassembly]
// Commands: {"do": "state"}: the page's window.telvanor, with the viewport and the time;
// {"do": "keys", "keys": [...]}: presses keys (Puppeteer's names; "Shift+Tab");
// {"do": "shot", "path": ..., "clip": [x, y, width, height]}: a picture of part of the page,
// in CSS pixels; {"do": "text"}: the page's text; {"do": "click", "selector": ...};
// {"do": "requests"}: every address the page has asked for so far;
// {"do": "turn", "key": ...}: the time a key press takes to be handled and drawn.
import puppeteer from "puppeteer-core";
import readline from "node:readline";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

const [browserName, url, width, height, ratio, ...flags] = process.argv.slice(2);
// Not a browser's flag: the page is loaded in a browser without WebAssembly.
const withoutWebAssembly = flags.includes("--without-webassembly");
const extraFlags = flags.filter(flag => flag !== "--without-webassembly");
if (browserName !== "chromium")
    throw new Error("only Debian's Chromium is driven: " + browserName);
// The machine has no network: Chromium's own connections are turned off, or they fail by
// the dozen. WebGL comes from SwiftShader, Chromium's software renderer.
const chromiumFlags = ["--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader",
    "--use-angle=swiftshader", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-features=Translate,MediaRouter,OptimizationHints"];
const profile = fs.mkdtempSync(path.join(os.tmpdir(), "telvanor-browser-"));

const browser = await puppeteer.launch({
    browser: "chrome",
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: [...chromiumFlags, ...extraFlags],
    protocolTimeout: 60000,
});
const page = await browser.newPage();
if (withoutWebAssembly)
    await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
await page.setViewport({width: Number(width), height: Number(height),
                        deviceScaleFactor: Number(ratio)});
const requests = [];
page.on("request", request => requests.push(request.url()));
page.on("console", message => process.stderr.write(`[page] ${message.text()}\n`));
page.on("pageerror", error => process.stderr.write(`[page error] ${error.message}\n`));

// The work of a key press, the wait for the browser's next frame left out: from the key's
// arrival to the end of the tasks it set off (Qt handles the key at once and lays out its
// windows in a task queued behind it), then, from the start of the next animation frame, the
// time until the browser has shown it: Qt draws its windows onto the canvas in that frame
// (its frame callback is asked for before ours), and the browser composites the canvas
// before it runs the task queued from our callback.
async function pageTurn(key) {
    await page.evaluate(() => {
        window.turn = undefined;
        let start;
        window.addEventListener("keydown", () => { start = performance.now(); },
                                {capture: true, once: true});
        window.addEventListener("keydown", () => setTimeout(() => {
            const handled = performance.now();
            requestAnimationFrame(frame => setTimeout(() => {
                window.turn = {handling: handled - start, drawing: performance.now() - frame};
            }, 0));
        }, 0), {once: true});
    });
    await page.keyboard.press(key);
    await page.waitForFunction(() => window.turn !== undefined, {timeout: 10000});
    return page.evaluate(() => window.turn);
}

async function run(command) {
    switch (command.do) {
    case "state":
        return page.evaluate(() => ({...window.telvanor, now: performance.now(),
                                     viewport: [innerWidth, innerHeight]}));
    case "keys":
        for (const key of command.keys) {
            const [modifier, name] = key.includes("+") ? key.split("+") : [null, key];
            if (modifier)
                await page.keyboard.down(modifier);
            await page.keyboard.press(name);
            if (modifier)
                await page.keyboard.up(modifier);
            await new Promise(resolve => setTimeout(resolve, 80));
        }
        return null;
    case "shot": {
        const [x, y, w, h] = command.clip;
        // The viewport as it is: a capture beyond it resizes the page for a moment, and the
        // program would fit its windows to that.
        await page.screenshot({path: command.path, clip: {x, y, width: w, height: h},
                               captureBeyondViewport: false});
        return null;
    }
    case "text":
        return page.evaluate(() => document.body.innerText);
    case "click":
        await page.click(command.selector);
        return null;
    case "requests":
        return requests;
    case "turn":
        return pageTurn(command.key);
    default:
        throw new Error("unknown command " + command.do);
    }
}

try {
    await page.goto(url, {waitUntil: "load", timeout: 60000});
    process.stdout.write(JSON.stringify({ok: true, value: "loaded"}) + "\n");
    for await (const line of readline.createInterface({input: process.stdin})) {
        let answer;
        try {
            answer = {ok: true, value: await run(JSON.parse(line))};
        } catch (error) {
            answer = {ok: false, error: String(error)};
        }
        process.stdout.write(JSON.stringify(answer) + "\n");
    }
} finally {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
}
