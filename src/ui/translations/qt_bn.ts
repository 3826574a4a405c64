<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>QShortcut</name>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>পরিত্যাগ করুন</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>রিসেট করুন</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>ডিফল্ট পুনরুদ্ধার করুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>উপেক্ষা করুন</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>সবগুলোর জন্য না(&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>সব সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>বাদ দিন</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>সবগুলোর জন্য হ্যাঁ(&amp;A)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as "LTR" for a language written left to right, "RTL" for right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>এটি কী?</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিস্তারিত দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিস্তারিত লুকান...</translation>
    </message>
</context>
</TS>
