// The window reads the answer field with GetWindowTextA, in code page 936 (GBK):
// each UTF-16 unit of the typed text becomes its GBK bytes, or one "?" where GBK
// has none (so an emoji, two units, becomes "??"). The browser decodes GBK but does
// not encode it, so the encoding is its decoder's table read backwards.

const Unmapped = 0x3f;  // "?"
let encoding = null;    // UTF-16 unit -> its bytes above ASCII: a lead and trail byte, or 0x80 alone

function readDecoderBackwards() {
    const table = new Map([[0x20ac, [0x80]]]);  // the euro sign, a single byte in code page 936
    const pairs = [];
    for (let lead = 0x81; lead <= 0xfe; ++lead)
        for (let trail = 0x40; trail <= 0xfe; ++trail)
            if (trail !== 0x7f) pairs.push(lead, trail, 0x20);
    // A space after every pair: an unmapped pair decodes to more than one unit.
    const decoded = new TextDecoder('gbk').decode(new Uint8Array(pairs)).split(' ');
    decoded.forEach((unit, i) => {
        if (unit.length === 1 && unit !== '\ufffd' && !table.has(unit.charCodeAt(0)))
            table.set(unit.charCodeAt(0), [pairs[3 * i], pairs[3 * i + 1]]);
    });
    return table;
}

// The bytes the window's ANSI calls would give for the text.
export function toWindowBytes(text) {
    encoding ??= readDecoderBackwards();
    const bytes = [];
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit < 0x80) bytes.push(unit);
        else bytes.push(...(encoding.get(unit) ?? [Unmapped]));
    }
    return new Uint8Array(bytes);
}

const isLead = (byte) => byte >= 0x81 && byte <= 0xfe;
const isTrail = (byte) => (byte >= 0x40 && byte <= 0x7e) || (byte >= 0x80 && byte <= 0xfe);

// The text the window shows for GBK bytes. A lead byte without its trail (one the
// 29-byte cut parted from it) shows there as one "?" that takes the next byte along.
export function fromWindowBytes(bytes) {
    const shown = [];
    for (let i = 0; i < bytes.length; ++i) {
        if (!isLead(bytes[i])) shown.push(bytes[i]);
        else if (isTrail(bytes[i + 1])) shown.push(bytes[i], bytes[++i]);
        else {
            shown.push(Unmapped);
            ++i;
        }
    }
    return new TextDecoder('gbk').decode(new Uint8Array(shown));
}
