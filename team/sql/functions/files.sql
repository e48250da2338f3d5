-- Photos, documents and issued reports of the team. A file's bytes come up in pieces and are taken only
-- once the server's own SHA-256 of them is the digest they were sent under; rows that name a file are
-- placed at the site of what they attach to, and a member reads a file only through a row of a site they
-- may read. The client's word counts for nothing here: every key, size and kind is checked.

-- The most one file may hold, and one piece of it.
CREATE OR REPLACE FUNCTION terrovane.most_file_bytes() RETURNS bigint
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp AS $$ SELECT 67108864::bigint $$;
CREATE OR REPLACE FUNCTION terrovane.most_piece_bytes() RETURNS integer
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp AS $$ SELECT 4194304 $$;

CREATE OR REPLACE FUNCTION terrovane.require_writer() RETURNS text
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    found_role text := terrovane.member_role();
BEGIN
    IF found_role = 'viewer' THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'a viewer changes nothing';
    END IF;
    RETURN found_role;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.require_digest(digest text) RETURNS void
LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    IF NOT terrovane.is_content_key(digest) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a file is named by the hex of its SHA-256';
    END IF;
END
$$;

-- Which of the digests the server holds no file of: only those are sent.
CREATE OR REPLACE FUNCTION terrovane.files_missing(client_layout integer, wanted text[]) RETURNS SETOF text
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    IF cardinality(wanted) > 10000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'too many digests at once';
    END IF;
    RETURN QUERY SELECT DISTINCT w FROM unnest(wanted) w
                 WHERE terrovane.is_content_key(w) AND NOT EXISTS (SELECT 1 FROM terrovane.files f WHERE f.digest = w);
END
$$;

-- One piece of a file on its way up, at its place: a piece at 0 starts the file again (an upload cut off
-- earlier), any other must follow what came so far. The bytes so far.
CREATE OR REPLACE FUNCTION terrovane.put_file_piece(client_layout integer, digest text, at bigint, piece bytea)
RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    so_far bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    PERFORM terrovane.require_digest(digest);
    IF piece IS NULL OR length(piece) = 0 OR length(piece) > terrovane.most_piece_bytes() THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file holds 1 byte to 4 MiB';
    END IF;
    IF at = 0 THEN
        DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
        so_far := 0;
    ELSE
        SELECT sum(length(u.piece)) INTO so_far FROM terrovane.file_uploads u
            WHERE u.login = session_user AND u.digest = digest;
    END IF;
    IF so_far IS NULL OR so_far <> at THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file out of its place';
    END IF;
    IF so_far + length(piece) > terrovane.most_file_bytes() THEN
        DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a file holds at most 64 MiB';
    END IF;
    INSERT INTO terrovane.file_uploads (login, digest, at, piece) VALUES (session_user, digest, at, piece);
    RETURN so_far + length(piece);
END
$$;

-- The pieces become the file when their bytes are those of its digest; otherwise they are refused.
CREATE OR REPLACE FUNCTION terrovane.finish_file(client_layout integer, digest text) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    whole bytea;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    PERFORM terrovane.require_digest(digest);
    SELECT string_agg(u.piece, ''::bytea ORDER BY u.at) INTO whole FROM terrovane.file_uploads u
        WHERE u.login = session_user AND u.digest = digest;
    DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
    IF whole IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'no file on its way up under that digest';
    END IF;
    IF encode(sha256(whole), 'hex') <> digest THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the bytes are not those of their digest';
    END IF;
    INSERT INTO terrovane.files (digest, size, bytes) VALUES (digest, length(whole), whole)
        ON CONFLICT DO NOTHING;
END
$$;

-- Whether the file's first bytes are what its kind says.
CREATE OR REPLACE FUNCTION terrovane.file_is(digest text, file_kind text) RETURNS boolean
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE file_kind
               WHEN 'jpeg' THEN substring(f.bytes FROM 1 FOR 3) = '\xffd8ff'::bytea
               WHEN 'png' THEN substring(f.bytes FROM 1 FOR 8) = '\x89504e470d0a1a0a'::bytea
               WHEN 'pdf' THEN substring(f.bytes FROM 1 FOR 5) = '\x255044462d'::bytea
               ELSE false END
    FROM terrovane.files f WHERE f.digest = file_is.digest
$$;

-- The site of what an attachment attaches to, as the server holds it: a site itself, a point's site, a
-- result's assignment (none while the result is assigned to no point), a typed result's newest version.
CREATE OR REPLACE FUNCTION terrovane.owner_site(owner_kind text, owner_ref text) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    CASE owner_kind
    WHEN 'site' THEN
        IF NOT EXISTS (SELECT 1 FROM terrovane.fields f
                       WHERE f.kind = 'site' AND f.id = terrovane.as_uuid(owner_ref)) THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the site is not on the server';
        END IF;
        RETURN owner_ref::uuid;
    WHEN 'point' THEN
        IF terrovane.as_uuid(owner_ref) IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a point is named by its id';
        END IF;
        RETURN terrovane.site_of_point(owner_ref::uuid);
    WHEN 'result' THEN
        IF NOT terrovane.is_content_key(owner_ref) THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a result is named by its key';
        END IF;
        RETURN terrovane.result_site(owner_ref);
    WHEN 'typed_result' THEN
        IF terrovane.as_uuid(owner_ref) IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result is named by its first version';
        END IF;
        IF NOT terrovane.typed_result_held(lower(owner_ref)) THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the typed result is not on the server';
        END IF;
        RETURN terrovane.typed_result_site(lower(owner_ref));
    ELSE
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a file attaches to a site, a point or a result';
    END CASE;
END
$$;

-- Where an attachment (or the trace of one removed) is read now: a result's and a typed result's follow
-- their result wherever it went since; the others stay at the site they were placed at.
CREATE OR REPLACE FUNCTION terrovane.attachment_site(owner_kind text, owner_ref text, placed uuid) RETURNS uuid
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE owner_kind WHEN 'result' THEN terrovane.result_site(owner_ref)
                           WHEN 'typed_result' THEN terrovane.typed_result_site(owner_ref)
                           ELSE placed END
$$;

-- Adds an attachment, or sets its name, caption and whether it goes into the site report.
CREATE OR REPLACE FUNCTION terrovane.put_attachment(client_layout integer, owner_kind text, owner_ref text,
                                                    digest text, file_kind text, name text, caption text,
                                                    chosen boolean, meta jsonb, thumbnail bytea)
RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.require_writer();
    found_site uuid;
    held terrovane.attachments;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    found_site := terrovane.owner_site(owner_kind, owner_ref);
    IF NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    IF name IS NULL OR length(name) NOT BETWEEN 1 AND 255 OR caption IS NULL OR length(caption) > 2000
       OR chosen IS NULL OR jsonb_typeof(meta) IS DISTINCT FROM 'object' OR length(meta::text) > 1000
       OR coalesce(length(thumbnail), 0) > 262144 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not an attachment';
    END IF;
    IF terrovane.file_is(digest, file_kind) IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the file is not on the server';
    END IF;
    IF NOT terrovane.file_is(digest, file_kind) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the file is not what its kind says';
    END IF;
    IF chosen AND file_kind = 'pdf' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a document is not chosen for the report';
    END IF;
    SELECT * INTO held FROM terrovane.attachments a
        WHERE a.key = owner_kind || ':' || lower(owner_ref) || ':' || digest FOR UPDATE;
    IF FOUND AND NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), held.site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    INSERT INTO terrovane.attachments AS a (key, owner_kind, owner_ref, digest, file_kind, site, name, caption,
                                            chosen, meta, thumbnail)
        VALUES (owner_kind || ':' || lower(owner_ref) || ':' || digest, owner_kind, lower(owner_ref), digest,
                file_kind, found_site, name, caption, chosen, meta, thumbnail)
        ON CONFLICT (key) DO UPDATE SET site = excluded.site, name = excluded.name, caption = excluded.caption,
                                        chosen = excluded.chosen, changed_by = session_user, changed_at = now();
    -- Attached again (or kept by an edit made while another PC removed it): no longer removed.
    DELETE FROM terrovane.attachment_deletions d
        WHERE d.key = owner_kind || ':' || lower(owner_ref) || ':' || digest;
END
$$;

-- Removes an attachment for everyone, by a member who may change its site as the server places it now (one
-- of no site: its author or an admin); the trace left tells the other PCs of that site to let it go too.
-- One already removed is no error. The file stays: another attachment or an issued report may hold it.
CREATE OR REPLACE FUNCTION terrovane.delete_attachment(client_layout integer, wanted text) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.require_writer();
    held terrovane.attachments;
    placed uuid;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    IF wanted IS NULL OR length(wanted) > 200 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not an attachment';
    END IF;
    SELECT * INTO held FROM terrovane.attachments a WHERE a.key = wanted FOR UPDATE;
    IF NOT FOUND THEN
        RETURN;
    END IF;
    placed := terrovane.attachment_site(held.owner_kind, held.owner_ref, held.site);
    IF NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), placed)
       OR (placed IS NULL AND member_role <> 'admin' AND held.added_by <> session_user) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    DELETE FROM terrovane.attachments a WHERE a.key = wanted;
    INSERT INTO terrovane.attachment_deletions AS d (key, owner_kind, owner_ref, site, added_by)
        VALUES (held.key, held.owner_kind, held.owner_ref, held.site, held.added_by)
        ON CONFLICT (key) DO UPDATE SET owner_kind = excluded.owner_kind, owner_ref = excluded.owner_ref,
                                        site = excluded.site, added_by = excluded.added_by,
                                        deleted_by = session_user, deleted_at = now();
END
$$;

-- The attachments removed that the member may read, placed as the attachment was (one of no site: its
-- author's and the admins').
CREATE OR REPLACE FUNCTION terrovane.deleted_attachments(client_layout integer) RETURNS TABLE (key text)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
        SELECT d.key FROM terrovane.attachment_deletions d
        WHERE terrovane.may_read(member_role, member_sites, session_user,
                                 terrovane.attachment_site(d.owner_kind, d.owner_ref, d.site), d.added_by)
        ORDER BY d.key;
END
$$;

-- The attachments the member may read. A result's attachment is placed where its result is assigned now.
-- A sync leaves the thumbnails out of its list and asks for each new one through attachment_thumbnail.
CREATE OR REPLACE FUNCTION terrovane.attachments(client_layout integer)
RETURNS TABLE (key text, owner_kind text, owner_ref text, digest text, file_kind text, size bigint, name text,
               caption text, chosen boolean, meta jsonb, thumbnail bytea)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
        SELECT a.key, a.owner_kind, a.owner_ref, a.digest, a.file_kind, f.size, a.name, a.caption, a.chosen,
               a.meta, a.thumbnail
        FROM terrovane.attachments a JOIN terrovane.files f ON f.digest = a.digest
        WHERE terrovane.may_read(member_role, member_sites, session_user,
                                 terrovane.attachment_site(a.owner_kind, a.owner_ref, a.site), a.added_by)
        ORDER BY a.key;
END
$$;

-- The thumbnail of an attachment the member may read, as its sender made it.
CREATE OR REPLACE FUNCTION terrovane.attachment_thumbnail(client_layout integer, wanted text)
RETURNS TABLE (thumbnail bytea)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    RETURN QUERY SELECT a.thumbnail FROM terrovane.attachments(client_layout) a WHERE a.key = wanted;
END
$$;

-- Keeps an issued report's PDF with its number and revision at its site. A revision is kept once: the same
-- again changes nothing, another PDF under it is refused.
CREATE OR REPLACE FUNCTION terrovane.put_issued_report(client_layout integer, number text, revision integer,
                                                       site uuid, site_name text, issued_on text,
                                                       issued_by text, language text, digest text)
RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.require_writer();
    held terrovane.issued_reports;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    IF number IS NULL OR number !~ '^[A-Za-z0-9-]{1,64}$' OR revision IS NULL OR revision NOT BETWEEN 1 AND 9999
       OR site_name IS NULL OR length(site_name) > 500 OR issued_on IS NULL OR issued_on !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$'
       OR issued_by IS NULL OR length(issued_by) > 200 OR language IS NULL OR length(language) > 8 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not an issued report';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = site) THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the site is not on the server';
    END IF;
    IF NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    IF terrovane.file_is(digest, 'pdf') IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the file is not on the server';
    END IF;
    IF NOT terrovane.file_is(digest, 'pdf') THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an issued report is a PDF';
    END IF;
    SELECT * INTO held FROM terrovane.issued_reports r
        WHERE r.number = put_issued_report.number AND r.revision = put_issued_report.revision;
    IF FOUND THEN
        IF held.digest <> digest OR held.site <> site THEN
            RAISE EXCEPTION USING ERRCODE = '23505', MESSAGE = 'that revision of the report is kept already';
        END IF;
        RETURN;
    END IF;
    INSERT INTO terrovane.issued_reports (number, revision, site, site_name, issued_on, issued_by, language, digest)
        VALUES (number, revision, site, site_name, issued_on, issued_by, language, digest);
END
$$;

CREATE OR REPLACE FUNCTION terrovane.issued_reports(client_layout integer)
RETURNS TABLE (number text, revision integer, site uuid, site_name text, issued_on text, issued_by text,
               language text, digest text, size bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
        SELECT r.number, r.revision, r.site, r.site_name, r.issued_on, r.issued_by, r.language, r.digest, f.size
        FROM terrovane.issued_reports r JOIN terrovane.files f ON f.digest = r.digest
        WHERE terrovane.may_read(member_role, member_sites, session_user, r.site, r.kept_by)
        ORDER BY r.number, r.revision;
END
$$;

-- A piece of a file the member may read through one of its attachments or issued reports. A file of
-- another site and one the server does not hold get the same answer.
CREATE OR REPLACE FUNCTION terrovane.file_piece(client_layout integer, digest text, at bigint, size integer)
RETURNS bytea
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    IF at IS NULL OR at < 0 OR size IS NULL OR size NOT BETWEEN 1 AND terrovane.most_piece_bytes() THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file holds 1 byte to 4 MiB';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM terrovane.attachments a WHERE a.digest = file_piece.digest
                   AND terrovane.may_read(member_role, member_sites, session_user,
                                          terrovane.attachment_site(a.owner_kind, a.owner_ref, a.site), a.added_by))
       AND NOT EXISTS (SELECT 1 FROM terrovane.issued_reports r WHERE r.digest = file_piece.digest
                       AND terrovane.may_read(member_role, member_sites, session_user, r.site, r.kept_by)) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no file of the member''s sites';
    END IF;
    RETURN (SELECT substring(f.bytes FROM (at + 1)::integer FOR size) FROM terrovane.files f WHERE f.digest = file_piece.digest);
END
$$;
