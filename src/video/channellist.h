#pragma once

// The reply of "/gp1gettvdata.asp": the channel list, records ended by "***", after the service
// envelope's marker text="#000000">:
//
//   <body bgcolor="#FFFFFF" text="#000000">新闻&1&20&31&40***
//   新闻联播&1gsso9..016-/-/-097856/tv/news&21&311&40***</body>
//
// A record is the text between the marker (or the previous "***") and the next "***", trimmed
// of characters of code 0 to 32; text after the last "***", or after "</body>", is no record.
// Inside it "&1" ends the caption, "&2" the address, "&3" the category field, "&4" the group
// field (each the text since the previous mark, or since the record start), and the level is the
// rest after "&4". A record that lacks one of the four marks is skipped, so the five lists stay
// parallel.
//
// The address is sent scrambled when it is 18 characters or longer: each of its first 18
// characters one code lower, the rest unchanged; jiemi undoes it.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace video {

inline constexpr qsizetype kScrambledLength = 18;

// One channel record; the address in plain form.
struct ChannelRecord {
    QString caption;  // shown in the menus
    QString address;  // the stream; empty for a category or a group heading
    QString category; // "0" for a category, else the key of the category the entry belongs to
    QString group;    // a category's key, or the group key of an entry
    QString level;    // "0" on the first level of its category, else an item inside its group
    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

// The records of the reply, in reply order, as five parallel lists.
struct ChannelRecords {
    QStringList captions;
    QStringList addresses; // descrambled
    QStringList categories;
    QStringList groups;
    QStringList levels;

    int size() const { return int(captions.size()); }
    ChannelRecord at(int index) const;
    void append(const ChannelRecord& record);
    friend bool operator==(const ChannelRecords&, const ChannelRecords&) = default;
};

ChannelRecords parseChannelList(QStringView page);

// The descrambling of an address field: fewer than 18 characters stay as they are; otherwise the
// first 18 are each raised by one code and every character from the 19th on is kept, so a
// stream address of any length comes back whole.
QString jiemi(QStringView field);
// What the service sends for an address: jiemi(scramble(a)) == a.
QString scramble(QStringView address);

// The payload of the reply (the service wraps it in its envelope), one record a line, addresses
// scrambled. A record the reader would not give back unchanged (a field, or the scrambled
// address, holding a mark, "***", the marker or "</body>", a caption beginning or a level ending
// with a blank) is left out; fitsChannelList tells which.
QString channelListPayload(const std::vector<ChannelRecord>& records);
bool fitsChannelList(const ChannelRecord& record);

} // namespace video
